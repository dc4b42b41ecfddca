// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include "surface/ProgramStyle.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace {

// The windows as a class sees them on a projector: text, option-button markers, the
// focus mark and message boxes all at the window's scale, and full screen on demand.
class PresentationTest : public ProgramTest {
protected:
    // The scale at which a window takes 85 % of the height of an 800 x 600, a 1920 x 1080
    // and a 3840 x 2160 display.
    static constexpr double DisplayScales[] = { 0.85 * 600 / 9000, 0.85 * 1080 / 9000, 0.85 * 2160 / 9000 };

    static int fontPixels(const QWidget* widget) { return QFontInfo(widget->font()).pixelSize(); }

    // The width of an option button's marker in a picture of the button: the first run of
    // columns, from the left, that hold anything but the white background.
    static int markerWidth(QWidget* option)
    {
        const QImage picture = option->grab().toImage();
        auto inked = [&](int column) {
            for (int row = 0; row < picture.height(); ++row)
                if (qGray(picture.pixel(column, row)) < 250)
                    return true;
            return false;
        };
        int first = 0;
        while (first < picture.width() && !inked(first))
            ++first;
        int last = first;
        while (last < picture.width() && inked(last))
            ++last;
        return last - first;
    }

    // The run of focus-coloured pixels across a row of the window, from its first one.
    static int focusRun(const QImage& picture, int row)
    {
        const QRgb focus = ProgramStyle::focusColour().rgb();
        int column = 0;
        while (column < picture.width() && picture.pixel(column, row) != focus)
            ++column;
        int run = 0;
        while (column + run < picture.width() && picture.pixel(column + run, row) == focus)
            ++run;
        return run;
    }
};

// A window fits the screen it opens on, by whichever of its height and width is tighter.
TEST(PresentationFitTest, TheWindowFitsTheTighterOfTheScreensHeightAndWidth)
{
    const struct {
        int width, height;
        double pixelsPerTwip;
    } screens[] = { { 1600, 1200, 0.85 * 1200 / 9000 },  // 4:3: the height
                    { 3840, 1080, 0.85 * 1080 / 9000 },  // very wide: still the height
                    { 1000, 2000, 0.95 * 1000 / 12000 }, // tall: the width
                    { 100, 100, 1.0 / 30.0 } };          // tiny: the smallest scale
    for (const auto& screen : screens)
        EXPECT_DOUBLE_EQ(Presentation::fittedPixelsPerTwip(QSize(screen.width, screen.height)), screen.pixelsPerTwip)
            << screen.width << "x" << screen.height;
}

TEST_F(PresentationTest, TextMarkersAndFocusMarkGrowWithTheWindow)
{
    for (const double scale : DisplayScales) {
        SCOPED_TRACE(scale);
        Presentation::setPixelsPerTwip(scale);
        ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
        Form& am = *window;
        const double windowHeight = am.height();

        // The option buttons' text keeps its size relative to the window: 13 pixels of 600.
        auto* option = qobject_cast<QRadioButton*>(am.control("optModulation140"));
        ASSERT_NE(option, nullptr);
        EXPECT_NEAR(fontPixels(option) / windowHeight, 13.0 / 600, 1.0 / windowHeight);
        // The marker keeps its size relative to the text: 14 pixels for 13.
        EXPECT_NEAR(markerWidth(option), fontPixels(option) * 14.0 / 13.0, 1.5) << fontPixels(option);

        // After Tab the focus mark stands round the button: at least 2 pixels wide, and
        // wider on larger windows (a sixth of a line of text).
        activate(am);
        EXPECT_EQ(press(Qt::Key_Tab, 1), std::vector<QString> { "optAudio1000" });
        QWidget* focused = am.control("optAudio1000");
        const QPoint middle = focused->mapTo(&am, QPoint(0, focused->height() / 2));
        const int outline = focusRun(am.grab().toImage(), middle.y());
        EXPECT_GE(outline, 2);
        EXPECT_NEAR(outline, QFontMetrics(focused->font()).height() / 6.0, 1.0);
        closeAll();
    }
}

// Exit has the focus as a window opens, and its mark shows at once (Return would end the
// program). The mark round an option button never covers the options above and below it.
TEST_F(PresentationTest, FocusMarkShowsAsTheWindowOpensAndSparesTheOptionsBeside)
{
    auto focusPixels = [](const QImage& picture, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += picture.pixel(x, y) == ProgramStyle::focusColour().rgb();
        return count;
    };
    for (const double scale : DisplayScales) {
        SCOPED_TRACE(scale);
        Presentation::setPixelsPerTwip(scale);
        ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
        Form& am = *window;
        activate(am); // as the window system does when the window is shown
        QWidget* exit = am.control("cmdExit");
        const QRect exitArea(exit->mapTo(&am, QPoint()), exit->size());
        EXPECT_GE(focusRun(am.grab().toImage(), exitArea.center().y()), 2) << "no mark round Exit";

        EXPECT_EQ(press(Qt::Key_Tab, 2), (std::vector<QString> { "optAudio1000", "optModulation100" }));
        const QImage picture = am.grab().toImage();
        for (const char* beside : { "optModulation50", "optModulation120" }) {
            QWidget* option = am.control(beside);
            EXPECT_EQ(focusPixels(picture, QRect(option->mapTo(&am, QPoint()), option->size())), 0) << beside;
        }
        QWidget* focused = am.control("optModulation100");
        const QRect own(focused->mapTo(&am, QPoint()), focused->size());
        EXPECT_GE(focusRun(picture, own.center().y()), 2) << "no mark round the focused option";
        EXPECT_GT(focusPixels(picture, own), 0) << "the mark's top and bottom bars are gone";
        closeAll();
    }
}

// The mark round a focused spectrum stands just inside its dark margin, so the scale's
// figures beside it keep their minus signs and points (at 1366 x 768 too); and no picture
// copied from the window shows the mark, wherever the focus is.
TEST_F(PresentationTest, TheFocusMarkOnASpectrumHidesNoFigureAndStaysOutOfCopiedPictures)
{
    const QRgb mark = ProgramStyle::focusColour().rgb();
    const struct {
        const char* button;
        const char* spectrum;
    } windows[] = { { "cmdAMenter", "plot1" }, { "cmdSSBenter", "plot0" } };
    for (const double scale : { DisplayScales[0], 0.85 * 740 / 9000, DisplayScales[2] })
        for (const auto& w : windows) {
            SCOPED_TRACE(testing::Message() << w.button << " at " << scale);
            Presentation::setPixelsPerTwip(scale);
            ASSERT_NO_FATAL_FAILURE(open(w.button));
            Form& form = *window;
            activate(form);
            auto* panel = form.findChild<QWidget*>(w.spectrum);
            ASSERT_NE(panel, nullptr);
            const QRect box(panel->mapTo(&form, QPoint()), panel->size());
            QWidget* exit = form.control("cmdExit");
            const QRect exitMark = QRect(exit->mapTo(&form, QPoint()), exit->size()).adjusted(-12, -12, 12, 12);
            const QImage before = form.grab().toImage();
            panel->setFocus(Qt::TabFocusReason);
            const QImage after = form.grab().toImage();
            int inside = 0, outside = 0;
            for (int y = 0; y < after.height(); ++y)
                for (int x = 0; x < after.width(); ++x) {
                    if (box.contains(x, y))
                        inside += after.pixel(x, y) == mark;
                    else if (!exitMark.contains(x, y))
                        outside += after.pixel(x, y) != before.pixel(x, y);
                }
            EXPECT_EQ(outside, 0) << "pixels changed outside the panel: the mark covers the scale";
            EXPECT_GE(inside, 2 * (box.width() + box.height())) << "no mark round the inside of the panel";
            EXPECT_GE(focusRun(after, box.center().y()), 2);

            // Copy picture with the spectrum focused: its picture holds no mark.
            QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
            QCoreApplication::sendEvent(panel, &copy);
            const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(copied.isNull());
            int marked = 0;
            for (int y = 0; y < copied.height(); ++y)
                for (int x = 0; x < copied.width(); ++x)
                    marked += copied.pixel(x, y) == mark;
            EXPECT_EQ(marked, 0) << "the focus mark is in the copied picture";
            closeAll();
        }
}

// A message box belongs to the program, not to the window it stands over, and its text
// has the window's size.
TEST_F(PresentationTest, MessageBoxIsTitledTavinelAndScalesWithTheWindow)
{
    Program::setMessageHandler(nullptr); // the real message box
    for (const double scale : { DisplayScales[0], DisplayScales[2] }) {
        SCOPED_TRACE(scale);
        Presentation::setPixelsPerTwip(scale);
        ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
        qobject_cast<QLineEdit*>(window->control("txtPeakDeviation"))->setText("60k");
        QString title;
        int textPixels = 0;
        QTimer::singleShot(50, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                title = box->windowTitle();
                if (auto* text = box->findChild<QLabel*>())
                    textPixels = fontPixels(text);
                box->close();
            }
        });
        ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
        // Window lists name the program and show its icon.
        EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Tavinel");
        EXPECT_FALSE(window->windowIcon().availableSizes().isEmpty());
        EXPECT_EQ(title, "Tavinel");
        EXPECT_EQ(textPixels, fontPixels(window));
        EXPECT_NEAR(textPixels, 9.75 * 20 * scale, 1);
        closeAll();
    }
}

// F11 fills the display (the offscreen platform's is 800 x 800) with the client area at
// its height or width, centred on white and drawn afresh at that size: the same pixels as
// a window opened at that size. Escape brings the window back as it was.
TEST_F(PresentationTest, FullScreenDrawsTheWindowAfreshAtTheDisplaysSize)
{
    const struct {
        const char* menuButton;
        std::vector<const char*> clicks;
        double fullScale; // the scale that fills the 800 x 800 display
    } windows[] = { { "cmdAMenter", { "optModulation140", "optLog" }, 800.0 / 12000 },
                    { "cmdSSBenter", { "optAudio3000", "Option1" }, 800.0 / 12000 },
                    { "cmdFMenter", { "cmdDisplay" }, 800.0 / 11880 } };
    for (const double scale : { 1.0 / 30, 1.0 / 22.5 }) {
        for (const auto& w : windows) {
            SCOPED_TRACE(testing::Message() << w.menuButton << " at " << scale);
            // The canvas of a window opened at the full-screen scale.
            Presentation::setPixelsPerTwip(w.fullScale);
            ASSERT_NO_FATAL_FAILURE(open(w.menuButton));
            for (const char* name : w.clicks)
                ASSERT_NO_FATAL_FAILURE(click(*window, name));
            const QImage large = window->canvas().image().copy();
            closeAll();

            Presentation::setPixelsPerTwip(scale);
            ASSERT_NO_FATAL_FAILURE(open(w.menuButton));
            Form& form = *window;
            for (const char* name : w.clicks)
                ASSERT_NO_FATAL_FAILURE(click(form, name));
            const QSize normalSize = form.size();
            const QImage normal = form.canvas().image().copy();
            activate(form);
            press(Qt::Key_F11, 1);
            EXPECT_TRUE(form.isFullScreen());
            EXPECT_EQ(form.size(), QSize(800, 800));
            EXPECT_EQ(form.canvas().image(), large);
            // White round the client area.
            const QImage shown = form.grab().toImage();
            EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 255, 255));
            EXPECT_EQ(shown.pixel(799, 799), qRgb(255, 255, 255));

            press(Qt::Key_Escape, 1);
            EXPECT_FALSE(form.isFullScreen());
            EXPECT_EQ(form.size(), normalSize);
            EXPECT_EQ(form.canvas().image(), normal);
            closeAll();
        }
    }
}

}
