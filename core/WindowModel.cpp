// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WindowModel.h"

#include "core/FaultCheck.h"
#include "core/PlotDescription.h"
#include "core/PlotSource.h"
#include "core/Screen.h"
#include "core/Surface.h"

#include <algorithm>
#include <stdexcept>

std::string controlKindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Window:
        return "window";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::Option:
        return "option";
    case ControlKind::Button:
        return "button";
    case ControlKind::Label:
        return "label";
    case ControlKind::TextBox:
        return "textbox";
    }
    return "control";
}

WindowModel::WindowModel(std::string name, std::string caption, float clientWidthTwips, float clientHeightTwips,
                         bool titleBar)
{
    design_.name = std::move(name);
    design_.caption = std::move(caption);
    design_.clientWidthTwips = clientWidthTwips;
    design_.clientHeightTwips = clientHeightTwips;
    design_.titleBar = titleBar;
}

Control& WindowModel::addControl(ControlKind kind, const std::string& name, const std::string& caption,
                                 double left, double top, double width, double height)
{
    Control control;
    control.kind = kind;
    control.name = name;
    control.caption = caption;
    control.twips = { left, top, width, height };
    design_.controls.push_back(std::move(control));
    return design_.controls.back();
}

const Control* WindowModel::control(const std::string& name) const
{
    for (const Control& control : design_.controls)
        if (control.name == name)
            return &control;
    return nullptr;
}

int WindowModel::tabIndex(const std::string& name) const
{
    const auto& order = design_.focusOrder;
    const auto found = std::find(order.begin(), order.end(), name);
    return found == order.end() ? -1 : int(found - order.begin());
}

Control& WindowModel::find(const std::string& name)
{
    for (Control& control : design_.controls)
        if (control.name == name)
            return control;
    throw std::logic_error("window " + design_.name + " has no control " + name);
}

void WindowModel::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    onLoad();
}

void WindowModel::on(const std::string& name, std::function<void()> handler)
{
    handlers_[name] = std::move(handler);
}

void WindowModel::click(const std::string& name)
{
    const auto found = std::find_if(design_.controls.begin(), design_.controls.end(),
                                    [&](const Control& control) { return control.name == name; });
    Control* target = found == design_.controls.end() ? nullptr : &*found;
    if (!target || !target->enabled)
        return;
    if (target->kind == ControlKind::Option) {
        if (target->checked)
            return;
        choose(*target);
    } else if (target->kind != ControlKind::Button) {
        return;
    }
    if (const auto handler = handlers_.find(name); handler != handlers_.end()) {
        const std::function<void()> run = handler->second; // the handler may unload the window
        run();
    }
}

// Chooses an option button; the others of its frame lose their selection.
void WindowModel::choose(Control& option)
{
    for (Control& other : design_.controls)
        if (&other != &option && other.kind == ControlKind::Option && other.frame == option.frame && other.checked) {
            other.checked = false;
            changed(other);
        }
    option.checked = true;
    changed(option);
}

void WindowModel::edit(const std::string& name, const std::string& text)
{
    Control& box = find(name);
    if (box.kind != ControlKind::TextBox || box.caption == text)
        return;
    box.caption = text;
    // The host shows what the box holds now, wherever it shows the box's text again.
    changed(box);
}

bool WindowModel::pressKey(const std::string& name, Key key)
{
    const Control* target = control(name);
    if (!target || !target->enabled)
        return false;
    const bool enter = key == Key::Return || key == Key::Enter;
    switch (target->kind) {
    case ControlKind::Button:
        if (!enter && key != Key::Space)
            return false;
        click(name);
        return true;
    case ControlKind::TextBox:
        if (!enter || design_.defaultButton.empty())
            return false;
        click(design_.defaultButton);
        return true;
    case ControlKind::Option: {
        if (key == Key::Space) {
            click(name);
            return true;
        }
        if (enter)
            return false;
        // The enabled option buttons of the frame in reading order: the arrows step
        // through them (never round), Home and End go to the ends.
        std::vector<const Control*> options;
        for (const Control& other : design_.controls)
            if (other.kind == ControlKind::Option && other.frame == target->frame && other.enabled)
                options.push_back(&other);
        std::stable_sort(options.begin(), options.end(), [](const Control* a, const Control* b) {
            return a->twips.top != b->twips.top ? a->twips.top < b->twips.top : a->twips.left < b->twips.left;
        });
        const auto at = std::find(options.begin(), options.end(), target) - options.begin();
        const auto last = std::ptrdiff_t(options.size()) - 1;
        const std::ptrdiff_t to = key == Key::Home ? 0
            : key == Key::End                      ? last
            : key == Key::Up || key == Key::Left   ? std::max<std::ptrdiff_t>(at - 1, 0)
                                                   : std::min(at + 1, last);
        // A step past an end, or Home or End from there, stays where it is.
        const Control* next = options[std::size_t(to)];
        if (next != target) {
            const std::string name = next->name;
            if (target->checked)
                click(name);
            setFocus(name);
        }
        return true;
    }
    default:
        return false;
    }
}

bool WindowModel::checked(const std::function<void()>& work)
{
    const bool outer = !checking_;
    checking_ = true;
    const std::string error = runChecked(work);
    if (outer) {
        checking_ = false;
        std::vector<std::string> pending;
        pending.swap(pendingChanges_);
        for (const std::string& name : pending)
            if (const Control* control = this->control(name))
                host_->controlChanged(*control);
    }
    if (error.empty())
        return true;
    showMessage(unexpectedErrorMessage(error));
    endProgram();
    return false;
}

void WindowModel::changed(const Control& control)
{
    if (checking_) {
        if (std::find(pendingChanges_.begin(), pendingChanges_.end(), control.name) == pendingChanges_.end())
            pendingChanges_.push_back(control.name);
    } else if (host_) {
        host_->controlChanged(control);
    }
}

std::string WindowModel::helpText()
{
    const PlotSource* source = plots();
    return source ? source->helpText() : std::string();
}

PeriodicSound WindowModel::sound()
{
    PeriodicSound result;
    if (PlotSource* source = plots())
        checked([&] { result = source->sound(); });
    return result;
}

std::string WindowModel::readout(double x, double y)
{
    std::string result;
    if (PlotSource* source = plots())
        checked([&] { result = readoutAt(*source, x, y); });
    return result;
}

std::string WindowModel::table(std::size_t panel, char separator)
{
    std::string result;
    if (PlotSource* source = plots())
        checked([&] { result = panelTable(*source, panel, separator); });
    return result;
}

std::vector<SpectrumLine> WindowModel::spectrumLines()
{
    std::vector<SpectrumLine> result;
    if (PlotSource* source = plots(); source && source->hasPlot())
        checked([&] { result = source->spectrumLines(); });
    return result;
}

std::vector<Trace> WindowModel::traces()
{
    std::vector<Trace> result;
    if (PlotSource* source = plots(); source && source->hasPlot())
        checked([&] { result = source->traces(); });
    return result;
}

std::vector<std::string> WindowModel::descriptions()
{
    std::vector<std::string> result;
    if (PlotSource* source = plots())
        checked([&] { result = panelDescriptions(*source); });
    return result;
}

Surface& WindowModel::surface()
{
    return host_->surface();
}

void WindowModel::setScaleFromScreen()
{
    float width = float(12000.0 / Screen::widthTwips());
    width = float(double(width) * 12000.0);
    float height = float(9000.0 / Screen::heightTwips());
    height = float(double(height) * 9000.0);
    surface().setScale(width, height);
}

double WindowModel::logicalToTwipsX(float x)
{
    return double(x) * design_.clientWidthTwips / surface().scaleWidth();
}

double WindowModel::logicalToTwipsY(float y)
{
    return double(y) * design_.clientHeightTwips / surface().scaleHeight();
}

void WindowModel::moveControl(const std::string& name, float left, float top)
{
    Control& control = find(name);
    control.twips.left = logicalToTwipsX(left);
    control.twips.top = logicalToTwipsY(top);
    changed(control);
}

void WindowModel::resizeControl(const std::string& name, float width, float height)
{
    Control& control = find(name);
    control.twips.width = logicalToTwipsX(width);
    control.twips.height = logicalToTwipsY(height);
    changed(control);
}

void WindowModel::setFontSize(const std::string& name, double points)
{
    Control& control = find(name);
    control.points = points;
    changed(control);
}

void WindowModel::setCaption(const std::string& name, const std::string& caption)
{
    Control& control = find(name);
    control.caption = caption;
    changed(control);
}

void WindowModel::setEnabled(const std::string& name, bool enabled)
{
    Control& control = find(name);
    control.enabled = enabled;
    changed(control);
}

const std::string& WindowModel::text(const std::string& name) const
{
    const Control* control = this->control(name);
    if (!control)
        throw std::logic_error("window " + design_.name + " has no control " + name);
    return control->caption;
}

float WindowModel::screenButtonPoints()
{
    return float(double(Screen::widthTwips()) * 0.0008);
}

void WindowModel::setFocus(const std::string& name) { host_->setFocus(name); }
void WindowModel::showMessage(const std::string& text) { host_->showMessage(text); }
void WindowModel::openWindow(const std::string& window) { host_->openWindow(window); }
void WindowModel::unload() { host_->unloadWindow(); }
void WindowModel::endProgram() { host_->endProgram(); }
void WindowModel::plotsChanged() { host_->plotsChanged(); }
