// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowHost.h"
#include "core/WindowModel.h"
#include "surface/CanvasSurface.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>

class FullScreen;
class OpLog;
class TwipsLayout;

// A window of the program on the desktop: it hosts a window's model (its controls,
// load sequence and handlers), builds the widgets from the model's design, forwards the
// user's clicks and typing to it, and shows what it draws on a retained canvas.
//
// Positions are in twips and become pixels through the window's scale: the display's
// (Presentation::pixelsPerTwip), or the full screen's.
class Form : public QWidget, public WindowHost {
    Q_OBJECT
public:
    explicit Form(std::unique_ptr<WindowModel> model);
    ~Form() override;

    WindowModel& model() { return *model_; }

    // Runs the load handler (once), then shows the window non-modally, centred on the
    // screen the first time.
    void showWindow();
    // Closes and releases the window (query-unload reason 1).
    void unload();
    // Closes and releases the window with no query-unload event, as ending the program does.
    void release();
    // Closes the window as the user does through the window system (reason 0).
    void closeByUser();

    // The window's drawing surface: a retained image in the window's logical units.
    CanvasSurface& canvas() { return *canvas_; }
    // Full screen and back (F11; Escape also leaves it).
    void toggleFullScreen();

    // Lays the controls out again and draws the canvas afresh at a new scale: window
    // pixels per twip, and where the client area starts in the window.
    void setScale(double pixelsPerTwip, QPoint clientOffset);
    double pixelsPerTwip() const { return pixelsPerTwip_; }
    QSize clientSize() const;

    // Draws everything the canvas shows on another surface, from scratch, in the same
    // logical coordinates: for a picture of another size or kind (an SVG drawing).
    void drawPicture(Surface& surface);
    // Draws the window's controls, as they look, with a painter whose pixels are those of
    // the display the layout was made for (15 twips a pixel).
    void renderControls(QPainter& painter);

    // A point of the window (pixels) in the window's logical units, and back.
    QPointF toLogical(QPoint position) const;
    QPointF fromLogical(QPointF logical) const;

    // A control of this window by name, or nullptr.
    QWidget* control(const QString& name) const;
    // The control a widget of this window stands for; empty for none.
    std::string controlName(const QWidget* widget) const;

    // For tests and the render tool: every operation since the window was created, when
    // recording was switched on before (see Program::setRecording).
    const OpLog* opLog() const { return log_.get(); }
    // Forgets the operations recorded so far, so a long run checks them as it goes.
    void clearOpLog();

    // WindowHost
    Surface& surface() override { return *canvas_; }
    void controlChanged(const Control& control) override;
    void setFocus(const std::string& control) override;
    void showMessage(const std::string& text) override;
    void openWindow(const std::string& window) override;
    void unloadWindow() override { unload(); }
    void endProgram() override;
    void plotsChanged() override { emit plotsRedrawn(); }

signals:
    // The plots have been drawn afresh for new settings.
    void plotsRedrawn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void nameBoxesByTheirLabels();
    void placeControl(QWidget* widget, const Control& control);
    void applyFont(QWidget* widget, const Control& control);
    void drawAfresh();
    void idle();
    int twipsToPixels(double twips) const;

    std::unique_ptr<WindowModel> model_;
    double pixelsPerTwip_; // window pixels per twip, the display's scale unless full screen
    QPoint clientOffset_;  // where the client area starts in the window (full screen)
    std::unique_ptr<CanvasSurface> canvas_;
    std::unique_ptr<OpLog> log_;
    TwipsLayout* layout_;
    QHash<QString, QWidget*> controls_;
    FullScreen* fullScreen_;
    bool loaded_ = false;
    bool shownOnce_ = false;
    bool closingByProgram_ = false;
    bool closingByUser_ = false;
    bool released_ = false;
};
