// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HeadlessSession.h"

#include "app/Windows.h"
#include "core/RecordingSurface.h"
#include "core/Screen.h"
#include "core/modMain.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

// A window's surface: it records what is drawn when asked to, and otherwise only keeps
// the surface's own state.
class HeadlessSurface : public Surface {
public:
    HeadlessSurface(float width, float height, OpLog* log)
        : Surface(width, height)
        , log_(log)
    {
    }

protected:
    void scaleChanged() override
    {
        if (log_)
            log_->scale(*this);
    }
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override
    {
        if (log_)
            log_->line(*this, x1, y1, x2, y2, colour);
    }
    void drawBox(float x1, float y1, float x2, float y2, Colour colour) override
    {
        if (log_)
            log_->box(*this, x1, y1, x2, y2, colour);
    }
    void drawFilledBox(float x1, float y1, float x2, float y2, Colour colour) override
    {
        if (log_)
            log_->fill(x1, y1, x2, y2, colour);
    }
    void drawText(float x, float y, const std::string& text) override
    {
        if (log_)
            log_->text(*this, x, y, text);
    }

private:
    OpLog* log_;
};

}

class HeadlessSession::Window : public WindowHost {
public:
    Window(HeadlessSession& session, std::unique_ptr<WindowModel> model)
        : session_(session)
        , model_(std::move(model))
    {
        surface_ = makeSurface();
        surface_->setFontBold(model_->design().bold);
        model_->attach(*this);
    }

    WindowModel& model() { return *model_; }
    const OpLog& log() const { return log_; }

    // A new surface, on which the window draws what it shows again.
    void drawAfresh()
    {
        std::unique_ptr<Surface> fresh = makeSurface();
        fresh->setScale(surface_->scaleWidth(), surface_->scaleHeight());
        fresh->setFontSize(surface_->fontSize());
        fresh->setFontBold(surface_->fontBold());
        fresh->setForeColour(surface_->foreColour());
        model_->drawContents(*fresh);
        surface_ = std::move(fresh);
    }

    Surface& surface() override { return *surface_; }
    void controlChanged(const Control& control) override
    {
        std::vector<std::string>& changed = session_.changedControls;
        if (std::find(changed.begin(), changed.end(), control.name) == changed.end())
            changed.push_back(control.name);
    }
    void setFocus(const std::string& control) override { session_.focusRequest = control; }
    void showMessage(const std::string& text) override
    {
        if (session_.recording_)
            log_.message(text);
        session_.messages.push_back(text);
    }
    void openWindow(const std::string& window) override { session_.open(window); }
    void unloadWindow() override { session_.unload(*this); }
    void endProgram() override { session_.end(); }
    void plotsChanged() override { ++session_.plotRedraws; }

private:
    std::unique_ptr<Surface> makeSurface()
    {
        const WindowDesign& design = model_->design();
        OpLog* log = session_.recording_ ? &log_ : nullptr;
        if (session_.maker_)
            return session_.maker_(design, log);
        return std::make_unique<HeadlessSurface>(design.clientWidthTwips, design.clientHeightTwips, log);
    }

    HeadlessSession& session_;
    std::unique_ptr<WindowModel> model_;
    OpLog log_;
    std::unique_ptr<Surface> surface_;
};

HeadlessSession::HeadlessSession(float screenWidthTwips, float screenHeightTwips, bool recording, SurfaceMaker maker)
    : recording_(recording)
    , maker_(std::move(maker))
{
    Screen::setTwips(screenWidthTwips, screenHeightTwips);
    modMain::clearSharedState();
}

HeadlessSession::~HeadlessSession() = default;

void HeadlessSession::start()
{
    open("frmOpening");
}

void HeadlessSession::open(const std::string& name)
{
    std::unique_ptr<WindowModel> model = createWindow(name);
    if (!model)
        throw std::logic_error("no window named " + name);
    windows_.push_back(std::make_unique<Window>(*this, std::move(model)));
    Window& window = *windows_.back();
    last_ = &window;
    window.model().load();
}

void HeadlessSession::unload(Window& window)
{
    const auto found = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.get() == &window; });
    if (found == windows_.end())
        return;
    window.model().queryUnload(1);
    // The window's handler may still be running: it is kept, closed.
    const auto again = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.get() == &window; });
    if (again == windows_.end())
        return;
    closed_.push_back(std::move(*again));
    windows_.erase(again);
}

void HeadlessSession::end()
{
    ended_ = true;
    for (auto& window : windows_)
        closed_.push_back(std::move(window));
    windows_.clear();
}

WindowModel* HeadlessSession::window()
{
    if (windows_.empty())
        return nullptr;
    last_ = windows_.back().get();
    return &last_->model();
}

WindowModel* HeadlessSession::lastWindow()
{
    return last_ ? &last_->model() : nullptr;
}

const Surface& HeadlessSession::lastSurface()
{
    return last_->surface();
}

void HeadlessSession::drawAfresh()
{
    if (window())
        last_->drawAfresh();
}

const OpLog* HeadlessSession::lastOps()
{
    return last_ && recording_ ? &last_->log() : nullptr;
}

void HeadlessSession::click(const std::string& name)
{
    if (WindowModel* model = window())
        model->click(name);
}

void HeadlessSession::type(const std::string& name, const std::string& text)
{
    if (WindowModel* model = window())
        model->edit(name, text);
}

void HeadlessSession::key(const std::string& name, const std::string& key)
{
    // clang-format off
    static const std::map<std::string, Key> keys = { { "Return", Key::Return }, { "Enter", Key::Enter },
                                                     { "Space", Key::Space },   { "Up", Key::Up },
                                                     { "Down", Key::Down },     { "Left", Key::Left },
                                                     { "Right", Key::Right },   { "Home", Key::Home },
                                                     { "End", Key::End } };
    // clang-format on
    WindowModel* model = window();
    const auto found = keys.find(key);
    if (model && found != keys.end())
        model->pressKey(name, found->second);
}
