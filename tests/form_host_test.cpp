// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop hosts the windows' models: every widget stands where its control says, in
// its state, before and after the user works the window and at full screen.
#include "ProgramTest.h"

#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace {

class FormHostTest : public ProgramTest {
protected:
    // Every widget against its control: place and size (its frame's for an option
    // button), font size, enabled state, selection and text.
    static void expectWidgetsFollowTheModel(Form& form)
    {
        const double scale = form.pixelsPerTwip();
        const auto pixels = [scale](double twips) { return int(std::lround(twips * scale)); };
        for (const Control& control : form.model().design().controls) {
            SCOPED_TRACE(control.name);
            QWidget* widget = form.control(QString::fromStdString(control.name));
            ASSERT_NE(widget, nullptr);
            // Full screen, the client area stands in the middle of the window.
            const QSize margin = (form.size() - form.clientSize()) / 2;
            const QRect placed = widget->geometry().translated(
                control.frame.empty() ? -QPoint(margin.width(), margin.height()) : QPoint());
            EXPECT_EQ(placed.x(), pixels(control.twips.left));
            EXPECT_EQ(placed.y(), pixels(control.twips.top));
            EXPECT_EQ(placed.width(), pixels(control.twips.width));
            EXPECT_EQ(placed.height(), pixels(control.twips.height));
            EXPECT_EQ(widget->font().pixelSize(), std::max(1, int(std::lround(control.points * 20 * scale))));
            EXPECT_EQ(widget->isEnabled(), control.enabled);
            if (auto* option = qobject_cast<QRadioButton*>(widget)) {
                EXPECT_EQ(option->isChecked(), control.checked);
            }
            if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                EXPECT_EQ(box->text().toStdString(), control.caption);
            }
        }
    }
};

TEST_F(FormHostTest, WidgetsStandWhereTheirControlsSayInTheirState)
{
    const struct {
        const char* menuButton;
        std::vector<const char*> clicks;
    } windows[] = { { "cmdAMenter", { "optAudio3000", "optModulation140", "optLog" } },
                    { "cmdSSBenter", { "optLower", "Option3" } },
                    { "cmdFMenter", { "cmdDisplay" } } };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.menuButton);
        Presentation::setScreenTwips(15360, 11520);
        ASSERT_NO_FATAL_FAILURE(open(w.menuButton));
        ASSERT_NO_FATAL_FAILURE(expectWidgetsFollowTheModel(*window));
        for (const char* name : w.clicks)
            ASSERT_NO_FATAL_FAILURE(click(*window, name));
        if (auto* box = qobject_cast<QLineEdit*>(window->control("txtPlotWidth"))) {
            box->setText("50k");
            EXPECT_EQ(window->model().control("txtPlotWidth")->caption, "50k");
        }
        ASSERT_NO_FATAL_FAILURE(expectWidgetsFollowTheModel(*window));
        window->toggleFullScreen();
        ASSERT_NO_FATAL_FAILURE(expectWidgetsFollowTheModel(*window));
    }
}

}
