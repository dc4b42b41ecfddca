// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include "core/PlotSource.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

// The windows without a title bar are moved by dragging them, and full screen fills the
// screen a window is on: a projector beside the teacher's own screen.
class WindowMoveTest : public ProgramTest {
protected:
    // The first point of the window, scanning rows from the top, that is neither a
    // control nor over a plot (onPlot false), or over a plot and no control (onPlot true).
    static QPoint spot(Form& form, bool onPlot)
    {
        for (int y = 1; y < form.height(); y += 3)
            for (int x = 1; x < form.width(); x += 3) {
                const QPoint at(x, y);
                if (form.childAt(at))
                    continue;
                const QPointF logical = form.toLogical(at);
                PlotSource* plots = form.model().plots();
                if ((plots && panelAt(*plots, logical.x(), logical.y()) >= 0) == onPlot)
                    return at;
            }
        ADD_FAILURE() << "no such spot";
        return {};
    }

    // Presses the left button at `at`, moves the pointer by `by`, releases it.
    static void drag(Form& form, QPoint at, QPoint by)
    {
        const QPoint global = form.mapToGlobal(at);
        auto send = [&](QEvent::Type type, QPoint offset, Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(at + offset), QPointF(global + offset), Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(&form, &event);
        };
        send(QEvent::MouseButtonPress, {}, Qt::LeftButton);
        send(QEvent::MouseMove, by / 2, Qt::LeftButton);
        send(QEvent::MouseMove, by, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, by, Qt::NoButton);
    }
};

TEST_F(WindowMoveTest, ABorderlessWindowFollowsADragOffItsControlsAndPlots)
{
    const struct {
        const char* menuButton; // nullptr: the menu window
        bool onPlot;
        bool moves;
    } cases[] = { { nullptr, false, true }, { "cmdAMenter", false, true }, { "cmdAMenter", true, false }, { "cmdSSBenter", false, true }, { "cmdSSBenter", true, false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.menuButton ? c.menuButton : "menu") + (c.onPlot ? " on a plot" : ""));
        if (c.menuButton) {
            ASSERT_NO_FATAL_FAILURE(open(c.menuButton));
        }
        Form& form = c.menuButton ? *window : start();
        const QPoint before = form.pos();
        const QPoint by(120, 80);
        drag(form, spot(form, c.onPlot), by);
        EXPECT_EQ(form.pos(), c.moves ? before + by : before);
        closeAll();
    }
}

// Run by the test suite a second time with two screens side by side (offscreen platform,
// tests/two-screens.json); skipped where there is one.
TEST_F(WindowMoveTest, FullScreenFillsTheScreenTheWindowIsOn)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        GTEST_SKIP() << "one screen";
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    Form& am = *window;
    QScreen* projector = screens.at(1);
    am.move(projector->geometry().topLeft() + QPoint(40, 30));
    QCoreApplication::processEvents();
    ASSERT_EQ(am.screen(), projector);
    am.toggleFullScreen();
    QCoreApplication::processEvents();
    EXPECT_EQ(am.geometry(), projector->geometry());
    am.toggleFullScreen();
    EXPECT_EQ(am.pos(), projector->geometry().topLeft() + QPoint(40, 30));
}

}
