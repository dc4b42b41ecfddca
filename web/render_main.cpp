// SPDX-License-Identifier: GPL-3.0-or-later
// tavinel-render.js: the render tool of the WebAssembly build, for Node. The same command
// line, steps, outputs, messages and exit codes as the desktop's tavinel-render, from the
// same windows' models and translations, without pictures.
#include "app/HeadlessSession.h"
#include "core/Translation.h"
#include "tools/RenderCommand.h"
#include "web/TranslationTable.h"

#include <iostream>
#include <memory>

namespace {

class HeadlessTarget : public RenderCommand::Target {
public:
    void setUp(float screenWidthTwips, float screenHeightTwips, double, bool recording) override
    {
        session_ = std::make_unique<HeadlessSession>(screenWidthTwips, screenHeightTwips, recording);
    }
    void open(const std::string& menuButton) override
    {
        session_->start();
        if (!menuButton.empty())
            session_->click(menuButton);
    }
    WindowModel* window() override { return session_->window(); }
    WindowModel* lastWindow() override { return session_->lastWindow(); }
    const Surface& lastSurface() override { return session_->lastSurface(); }
    const OpLog* lastOps() override { return session_->lastOps(); }
    void click(const std::string& name) override { session_->click(name); }
    void type(const std::string& name, const std::string& text) override { session_->type(name, text); }
    void key(const std::string& name, const std::string& key) override { session_->key(name, key); }
    bool useLanguage(const std::string& code) override
    {
        if (code == "en") {
            setLanguage({}, '.');
            return true;
        }
        for (const TranslatedLanguage& language : translatedLanguages())
            if (language.code == code) {
                setLanguage(
                    [&language](const char* context, const char* text) {
                        const auto found = language.texts.find(std::string(context) + '\004' + text);
                        return found == language.texts.end() ? std::string() : found->second;
                    },
                    language.decimalSeparator);
                return true;
            }
        return false;
    }
    bool drawsPictures() const override { return false; }

private:
    std::unique_ptr<HeadlessSession> session_;
};

}

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(true);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    HeadlessTarget target;
    const int status = RenderCommand::run(arguments, std::cout, std::cerr, target);
    std::cout.flush();
    return status;
}
