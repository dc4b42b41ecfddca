// SPDX-License-Identifier: GPL-3.0-or-later
// What tavinel-core.js offers JavaScript, through embind: the program's windows in a
// headless session, worked as a user works them, with everything they draw and hold.
//
//   const core = await TavinelCore();       // in a page (a script tag) or in Node (require)
//   const session = new core.Session(12000, 9000);
//   session.start(); session.click("cmdAMenter"); session.click("optLog");
//   session.ops(0)        // the drawing operations since the first, one a line
//   session.controls()    // the window's controls, one a line
//   session.delete();
#include "app/HeadlessSession.h"
#include "core/PlotSource.h"
#include "core/RecordingSurface.h"
#include "core/Version.h"
#include "core/WavFile.h"
#include "core/WindowModel.h"
#include "tools/RenderCommand.h"

#include <emscripten/bind.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

class Session {
public:
    Session(float screenWidthTwips, float screenHeightTwips)
        : session_(screenWidthTwips, screenHeightTwips, true)
    {
    }

    void start() { session_.start(); }
    void click(const std::string& name) { session_.click(name); }
    void type(const std::string& name, const std::string& text) { session_.type(name, text); }
    void key(const std::string& name, const std::string& key) { session_.key(name, key); }
    bool ended() const { return session_.ended(); }
    std::string window() { return session_.lastWindow() ? session_.lastWindow()->design().name : std::string(); }

    // The operations of the window open last, from the one numbered `first`.
    std::string ops(std::size_t first)
    {
        std::ostringstream text;
        if (const OpLog* log = session_.lastOps())
            log->write(text, first);
        return text.str();
    }
    std::size_t opCount() { return session_.lastOps() ? session_.lastOps()->size() : 0; }
    std::string controls() { return RenderCommand::controlListing(*session_.lastWindow(), session_.lastSurface()); }
    std::vector<std::string> messages() const { return session_.messages; }

    std::string readout(double x, double y) { return session_.lastWindow()->readout(x, y); }
    std::string table(std::size_t panel, const std::string& separator)
    {
        return session_.lastWindow()->table(panel, separator.empty() ? ',' : separator[0]);
    }
    // Two seconds of the sound as a WAV file (empty where there is nothing to hear): a view
    // of the bytes, to be copied before the next call.
    emscripten::val wav()
    {
        const PeriodicSound sound = session_.lastWindow()->sound();
        wav_ = sound.isEmpty() ? std::string() : savedSoundFile(sound);
        return emscripten::val(emscripten::typed_memory_view(wav_.size(), reinterpret_cast<const unsigned char*>(wav_.data())));
    }

private:
    HeadlessSession session_;
    std::string wav_;
};

std::string version()
{
    return ProgramVersion;
}

}

EMSCRIPTEN_BINDINGS(tavinel_core)
{
    emscripten::function("version", &version);
    emscripten::register_vector<std::string>("StringList");
    emscripten::class_<Session>("Session")
        .constructor<float, float>()
        .function("start", &Session::start)
        .function("click", &Session::click)
        .function("type", &Session::type)
        .function("key", &Session::key)
        .function("ended", &Session::ended)
        .function("window", &Session::window)
        .function("ops", &Session::ops)
        .function("opCount", &Session::opCount)
        .function("controls", &Session::controls)
        .function("messages", &Session::messages)
        .function("readout", &Session::readout)
        .function("table", &Session::table)
        .function("wav", &Session::wav);
}
