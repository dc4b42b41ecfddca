// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/CanvasSurface.h"
#include "core/Colour.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class OpLog;
class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// A window of the program: a client area of a design size in twips with a retained
// drawing surface, the controls placed on it, and the life cycle of load, show,
// query-unload and unload.
//
// Positions that a load handler sets are in the window's logical units; design
// positions and sizes are in twips. Both become pixels through the display scale.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, TitleBar };
    enum class Align { Left, Centre, Right };

    Form(const QString& name, const QString& caption, float clientWidthTwips,
         float clientHeightTwips, Border border);
    ~Form() override;

    // Every window currently loaded, oldest first.
    static std::vector<Form*> loadedForms();

    // Runs the load handler (once), then shows the window non-modally, centred on the
    // screen the first time.
    void showWindow();
    // Closes and releases the window (query-unload reason 1).
    void unload();
    // Closes and releases the window with no query-unload event, as ending the program does.
    void release();

    // The window's drawing surface: a retained image in the window's logical units.
    CanvasSurface& canvas() { return *canvas_; }

    // Full screen and back (F11; Escape also leaves it). Full screen, the client area fills
    // the display's height (or its width, if narrower), centred on white, and is laid out
    // and drawn afresh at that size.
    void toggleFullScreen();

    // Sets the logical coordinate system from the screen size, the way every window's
    // load handler does: the width to 12000 divided by the screen width and then that
    // value times 12000, the height likewise with 9000.
    void setScaleFromScreen();

    // A modal message box with one OK button.
    void messageBox(const std::string& text);

    // Draws everything the canvas shows on another surface, from scratch, in the same
    // logical coordinates: for a picture of another size or kind (an SVG drawing).
    void drawPicture(Surface& surface);

    // Draws the window's controls, as they look, with a painter whose pixels are those of
    // the display the layout was made for (15 twips a pixel).
    void renderControls(QPainter& painter);

    // A point of the window (pixels) in the window's logical units.
    QPointF toLogical(QPoint position) const;

    // For tests and the render tool.
    // Every operation since the window was created, when recording was switched on
    // before (see Program::setRecording).
    const OpLog* opLog() const { return log_.get(); }
    // Forgets the operations recorded so far, so a long run checks them as it goes.
    void clearOpLog();
    // Closes the window as the user does through the window system (reason 0).
    void closeByUser();
    // A control of this window by name, or nullptr.
    QWidget* control(const QString& name) const;

protected:
    virtual void onLoad() {}
    // Draws everything the canvas shows on a fresh surface of the window's scale: what the
    // load handler drew, then the latest redraw. The window is drawn again this way when it
    // changes size.
    virtual void drawContents(Surface& surface) { (void)surface; }
    // Before the window closes: reason 0 when the user closes it through the window
    // system, 1 when the program unloads it.
    virtual void onQueryUnload(int /*reason*/) {}

    // Controls, at their design positions and sizes in twips (relative to the parent).
    QLabel* addLabel(const QString& name, const QString& caption, float left, float top,
                     float width, float height, Align align = Align::Left);
    QPushButton* addCommandButton(const QString& name, const QString& caption, float left,
                                  float top, float width, float height);
    QGroupBox* addFrame(const QString& name, const QString& caption, float left, float top,
                        float width, float height);
    QRadioButton* addOptionButton(QGroupBox* frame, const QString& name, const QString& caption,
                                  float left, float top, float width, float height,
                                  bool selected = false);
    QLineEdit* addTextBox(const QString& name, const QString& text, float left, float top,
                          float width, float height);

    // Position and size in logical units, as a load handler sets them.
    void moveControl(QWidget* control, float left, float top);
    void resizeControl(QWidget* control, float width, float height);
    // The font size in points the load handlers give their command buttons: the screen
    // width in twips times 0.0008, rounded to single precision (9.6 on the design screen).
    static float screenButtonPoints();
    // Font of a control, in points.
    void setControlFont(QWidget* control, double points, bool bold, bool serif = false);
    void setControlFontSize(QWidget* control, double points);
    void setTextColour(QWidget* control, Colour colour);
    // Event handlers: a command button's click, an option button becoming chosen. Each
    // runs under the program's run-time error check.
    void onClicked(QAbstractButton* button, std::function<void()> handler);
    void onChosen(QRadioButton* option, std::function<void()> handler);

    // Keyboard focus order, first to last.
    void setFocusOrder(const std::vector<QWidget*>& controls);

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Return and Enter press a command button that has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Names a new control, places it in design twips and gives it the controls' font.
    void placeControl(QWidget* control, const QString& name, float left, float top, float width,
                      float height, bool bold);
    // Places a control at a rectangle in twips relative to its parent, remembered so the
    // window can lay itself out again at another size.
    void setTwipsGeometry(QWidget* control, const QRectF& twips);
    void setScale(double pixelsPerTwip, QPoint clientOffset);
    void drawAfresh();
    int twipsToPixels(double twips) const;
    double logicalToTwipsX(float x) const;
    double logicalToTwipsY(float y) const;

    float clientWidthTwips_;
    float clientHeightTwips_;
    double pixelsPerTwip_;  // window pixels per twip, the display's scale unless full screen
    QPoint clientOffset_;   // where the client area starts in the window (full screen)
    QRect normalGeometry_;  // where the window stood before it went full screen
    std::unique_ptr<CanvasSurface> canvas_;
    QAction* leaveFullScreen_ = nullptr;
    std::unique_ptr<OpLog> log_;
    bool loaded_ = false;
    bool shownOnce_ = false;
    bool closingByProgram_ = false;
    bool closingByUser_ = false;
    bool released_ = false;
};
