// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"
#include "core/PlotData.h"
#include "core/WindowDesign.h"
#include "core/WindowHost.h"

#include <functional>
#include <map>
#include <string>

class PlotSource;
class Surface;

// The keys a window's controls answer to by themselves; the host's own keys (Tab, F11,
// Escape, F1, shortcuts) stay with the host.
enum class Key {
    Return,
    Enter,
    Space,
    Up,
    Down,
    Left,
    Right,
    Home,
    End
};

// A window's behaviour, without a toolkit: its controls as they stand, its load sequence
// and its handlers. A host shows it (the desktop's widgets, a web page, a headless
// session), forwards the user's clicks, typing and keys, and carries out what the model
// asks of it (WindowHost).
class WindowModel {
public:
    WindowModel(std::string name, std::string caption, float clientWidthTwips, float clientHeightTwips,
                bool titleBar);
    virtual ~WindowModel() = default;
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // The window and its controls as they stand now.
    const WindowDesign& design() const { return design_; }
    const Control* control(const std::string& name) const;
    // The control's place in the focus order, from 0; -1 where it takes no focus.
    int tabIndex(const std::string& name) const;

    void attach(WindowHost& host) { host_ = &host; }

    // The load handler: runs once, before the window is first shown.
    void load();
    // A command button pressed, or an option button chosen (nothing where it is disabled
    // or already chosen).
    void click(const std::string& name);
    // A text box's text as the user left it.
    void edit(const std::string& name, const std::string& text);
    // A key pressed on the control with the focus: Return, Enter or Space press a button,
    // Return or Enter in a text box press the window's default button, Space chooses an
    // option button; Up and Left move to the option button before it in its frame (top to
    // bottom, then left to right), Down and Right to the one after it, Home and End to the
    // first and the last, and choose that one where the one left was chosen. Both hosts
    // take these keys through here. False where the control has no such rule.
    bool pressKey(const std::string& name, Key key);
    // Before the window closes: reason 0 when the user closes it through the window
    // system, 1 when the program unloads it.
    virtual void queryUnload(int reason) { (void)reason; }

    // Everything the window's canvas shows, drawn afresh on another surface of the same
    // logical units: what the load handler drew, then the latest plots.
    virtual void drawContents(Surface& surface) { (void)surface; }
    // The window's plots, for the context menu, readouts and sound; nullptr for none.
    virtual PlotSource* plots() { return nullptr; }
    // What the window's help says, a short text in simple HTML: its plots' help unless the
    // window has its own.
    virtual std::string helpText();
    // One piece of work to do while the window stands idle; false once none is left.
    virtual bool idleWork() { return false; }

    // The sound and the readout of the plots as they stand, computed under the program's
    // fault check (a failure ends the program, and they come back empty).
    PeriodicSound sound();
    std::string readout(double x, double y);
    std::string table(std::size_t panel, char separator);
    // The lines and traces of every plot, likewise (none where there is no plot).
    std::vector<SpectrumLine> spectrumLines();
    std::vector<Trace> traces();
    // What each panel shows, in words and numbers (see panelDescriptions).
    std::vector<std::string> descriptions();

protected:
    virtual void onLoad() = 0;

    // The window's design, made in its constructor: controls at their design positions
    // and sizes in twips (an option button relative to its frame), in the window's font
    // (9.75 point, regular) unless changed.
    Control& addControl(ControlKind kind, const std::string& name, const std::string& caption, double left,
                        double top, double width, double height);
    void setWindowBold(bool bold) { design_.bold = bold; }
    void setFocusOrder(std::vector<std::string> order) { design_.focusOrder = std::move(order); }
    void setDefaultButton(const std::string& name) { design_.defaultButton = name; }
    // What clicking a control does.
    void on(const std::string& name, std::function<void()> handler);
    // Runs the program's own arithmetic (a redraw, a computation) under the fault check;
    // on a failure the program says so and ends, and this returns false. The host hears
    // of the controls changed inside only once the arithmetic is done.
    bool checked(const std::function<void()>& work);

    Surface& surface();
    // The logical coordinate system from the screen size: the width to 12000 divided by
    // the screen width in twips and then that value times 12000, the height likewise with
    // 9000.
    void setScaleFromScreen();
    // Position and size in logical units, as a load handler sets them.
    void moveControl(const std::string& name, float left, float top);
    void resizeControl(const std::string& name, float width, float height);
    void setFontSize(const std::string& name, double points);
    void setCaption(const std::string& name, const std::string& caption);
    void setEnabled(const std::string& name, bool enabled);
    void setFocus(const std::string& name);
    const std::string& text(const std::string& name) const;
    // The font size in points the load handlers give their command buttons: the screen
    // width in twips times 0.0008, rounded to single precision (9.6 on the design screen).
    static float screenButtonPoints();

    void showMessage(const std::string& text);
    void openWindow(const std::string& window);
    void unload();
    void endProgram();
    void plotsChanged();

private:
    Control& find(const std::string& name);
    void changed(const Control& control);
    void choose(Control& option);
    double logicalToTwipsX(float x);
    double logicalToTwipsY(float y);

    WindowDesign design_;
    WindowHost* host_ = nullptr;
    std::map<std::string, std::function<void()>> handlers_;
    std::vector<std::string> pendingChanges_; // controls changed inside a check
    bool checking_ = false;
    bool loaded_ = false;
};
