// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include "surface/PictureExport.h"
#include "surface/PlotActions.h"
#include "surface/Translations.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include <clocale>
#include <cstdlib>

namespace {

// Pictures, data, readouts and help of the demonstration windows, through the events a
// person's mouse and keyboard send.
class PlotActionsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        PlotActions::setFileChooser([this](QWidget*, const QString&, const QString& name, const QString&, QString* chosen) {
            suggested = name;
            if (chosen && !filter.isEmpty())
                *chosen = filter;
            return savePath;
        });
    }
    void TearDown() override
    {
        PlotActions::setFileChooser(nullptr);
        ProgramTest::TearDown();
    }

    // A key with modifiers, pressed on the control with the focus in the active window.
    static void shortcut(Form& form, QWidget* focus, int key, Qt::KeyboardModifiers modifiers)
    {
        activate(form);
        focus->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(focus, &press);
    }

    // The window pixel at a logical point.
    static QPoint pixelAt(Form& form, double x, double y)
    {
        const double scale = form.width() / double(form.canvas().scaleWidth());
        return { int(x * scale), int(y * form.height() / double(form.canvas().scaleHeight())) };
    }

    // Right-clicks at a logical point; `inMenu` runs while the menu is open, then it closes.
    static void rightClick(Form& form, double x, double y, const std::function<void(QMenu*)>& inMenu)
    {
        const QPoint at = pixelAt(form, x, y);
        bool opened = false;
        QTimer whileOpen; // gone, and so stopped, when no menu opened
        whileOpen.setSingleShot(true);
        QObject::connect(&whileOpen, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                opened = true;
                inMenu(menu);
                menu->close();
            }
        });
        whileOpen.start(20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, form.mapToGlobal(at));
        QCoreApplication::sendEvent(&form, &event);
        if (!opened)
            inMenu(nullptr);
    }

    static QString readoutAt(Form& form, double x, double y)
    {
        return form.findChild<PlotActions*>()->readoutAt(QPointF(x, y));
    }

    QTemporaryDir folder;
    QString savePath, filter, suggested;
};

TEST_F(PlotActionsTest, TheContextMenuOffersPicturesAndThatPlotsDataOverAPlotOnly)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    Form& am = *window;
    QStringList items;
    rightClick(am, 2000, 3000, [&](QMenu* menu) {
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                items << action->text() + (action->isEnabled() ? "" : " (off)");
    });
    // The sound, last; Play says why where there is no audio output to play on.
    EXPECT_EQ(items, (QStringList { "Copy picture", "Save picture…", "Copy data", "Save data…", "Play sound", "Save sound…" }));

    // Copy data in the demodulator's menu: its trace, tab-separated, with a header row.
    QGuiApplication::clipboard()->clear();
    rightClick(am, 9000, 3000, [&](QMenu* menu) {
        ASSERT_NE(menu, nullptr);
        menu->actions()[3]->trigger(); // after the separator: Copy data
    });
    const QStringList rows = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 1 + 361);
    EXPECT_EQ(rows[0], "plot\ttime_ms\tvalue");
    EXPECT_EQ(rows[1], "demodulator\t0\t1");

    // Over the option buttons there is no plot and no menu of ours.
    rightClick(am, 3000, 7000, [&](QMenu* menu) { EXPECT_EQ(menu, nullptr); });

    // The FM window before Update: pictures, but no data yet.
    closeAll();
    ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
    rightClick(*window, 8500, 4000, [&](QMenu* menu) {
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->actions()[0]->isEnabled());
        EXPECT_FALSE(menu->actions()[3]->isEnabled());
    });
}

TEST_F(PlotActionsTest, ShortcutsCopyAndSaveButLeaveTheFmBoxesTheirOwnCtrlC)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
    Form& fm = *window;
    ASSERT_NO_FATAL_FAILURE(click(fm, "cmdDisplay"));
    QWidget* exitButton = fm.control("cmdExit");

    // Ctrl+C: the window as the person sees it, without the focus mark; its plot is the canvas.
    QGuiApplication::clipboard()->clear();
    shortcut(fm, exitButton, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    exitButton->clearFocus();
    EXPECT_EQ(copied, fm.grab().toImage());
    exitButton->setFocus();
    const QRect panel(pixelAt(fm, 6000, 1000), pixelAt(fm, 11000, 7000));
    EXPECT_EQ(copied.copy(panel).convertToFormat(QImage::Format_RGB32),
              fm.canvas().image().copy(panel).convertToFormat(QImage::Format_RGB32));

    // Ctrl+Shift+C: the line table.
    shortcut(fm, exitButton, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("offset_hz\tamplitude\tlevel_db\texact_amplitude\texact_level_db\n-12000\t"));

    // In a text box Ctrl+C copies its selected text.
    auto* box = qobject_cast<QLineEdit*>(fm.control("txtPlotWidth"));
    box->selectAll();
    shortcut(fm, box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "25k");

    // Ctrl+S: a PNG, or an SVG when the dialog's type says so, named after the state.
    savePath = folder.filePath("fm.png");
    shortcut(fm, exitButton, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(suggested, "tavinel-fm-3000hz-dev3000hz-width25000hz-bottom-60db.png");
    EXPECT_EQ(QImage(savePath).size(), fm.size());
    savePath = folder.filePath("fm-drawing");
    filter = "SVG drawing (*.svg)";
    shortcut(fm, exitButton, Qt::Key_S, Qt::ControlModifier);
    QFile svg(folder.filePath("fm-drawing.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_TRUE(messages.empty()) << testing::PrintToString(messages);
}

// The SVG is a drawing: the window's titles and labels as text, its colours exact.
TEST_F(PlotActionsTest, SvgHoldsTheTextsAndColoursOfTheWindow)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    ASSERT_NO_FATAL_FAILURE(click(*window, "optLog"));
    QXmlStreamReader svg(PictureExport::svg(*window));
    QStringList texts;
    QSet<QString> fills;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (const QString fill = svg.attributes().value("fill").toString(); !fill.isEmpty())
            fills << fill;
        if (svg.name() == QLatin1String("text"))
            texts << svg.readElementText();
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    for (const char* text : { "Transmitted signal envelope", "Transmitted signal spectrum", "Envelope demodulator output",
                              "-50dB", "kHz", "ms", "Log (decibels)", "Exit" })
        EXPECT_TRUE(texts.contains(text)) << text;
    for (const char* colour : { "#575757", "#ffffff" })
        EXPECT_TRUE(fills.contains(colour)) << colour;
}

// Hovering names the line or point under the mouse; the FM plot also gives its index and
// bandwidth.
TEST_F(PlotActionsTest, ReadoutsNameTheLineOrPointUnderTheMouse)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    EXPECT_EQ(readoutAt(*window, 6010, 3000),
              "+1 kHz \u00B7 0.501 \u00B7 \u22126.00 dB drawn \u00B7 0.500 \u00B7 \u22126.02 dB exact");
    EXPECT_EQ(readoutAt(*window, 5695, 3000), "0 kHz \u00B7 1.000 \u00B7 0.00 dB drawn \u00B7 1.000 \u00B7 0.00 dB exact");
    EXPECT_EQ(readoutAt(*window, 4500, 3000), ""); // between lines
    EXPECT_EQ(readoutAt(*window, 8100 + 0.25 * 3400, 3000), "0.250 ms \u00B7 2.000");
    EXPECT_EQ(readoutAt(*window, 3000, 7000), ""); // not over a plot
    closeAll();

    ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
    EXPECT_EQ(readoutAt(*window, 9100, 4000), ""); // no plot yet
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
    EXPECT_EQ(readoutAt(*window, 9100, 4000),
              "+3 kHz \u00B7 J1(1.000) \u00B7 0.440 \u00B7 \u22127.13 dB drawn \u00B7 0.440 \u00B7 \u22127.13 dB exact\n"
              "Modulation index 1.000 \u00B7 bandwidth by Carson's rule 12 kHz");
    EXPECT_EQ(readoutAt(*window, 6100, 4000).section('\n', 0, 0),
              "\u221212 kHz \u00B7 J4(1.000) \u00B7 0.002 \u00B7 \u221252.12 dB drawn \u00B7 0.002 \u00B7 \u221252.12 dB exact");
}

TEST_F(PlotActionsTest, SavingIsWholeOrNothingAndAFailureIsNamed)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdSSBenter"));
    Form& ssb = *window;
    savePath = folder.filePath("missing/ssb.csv");
    rightClick(ssb, 3000, 3000, [&](QMenu* menu) {
        ASSERT_NE(menu, nullptr);
        menu->actions()[4]->trigger(); // Save data…
    });
    EXPECT_EQ(suggested, "tavinel-ssb-dsb-1khz-carrier-off-unwanted-0db-lines.csv");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(messages[0]).startsWith("Could not save \"" + savePath + "\": "));
    EXPECT_FALSE(QFile::exists(savePath));
    EXPECT_FALSE(Program::ended());

    savePath = folder.filePath("ssb.csv");
    messages.clear();
    rightClick(ssb, 3000, 3000, [&](QMenu* menu) { menu->actions()[4]->trigger(); });
    QFile table(savePath);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(table.readAll(), "offset_hz,amplitude,level_db,exact_amplitude,exact_level_db\n"
                               "-1000,0.501187,-6,0.5,-6.0206\n1000,0.501187,-6,0.5,-6.0206\n");
    EXPECT_TRUE(messages.empty());
}

// A German locale writes decimal commas; the tables keep their points.
TEST_F(PlotActionsTest, AGermanLocaleStillWritesPoints)
{
    QTemporaryDir locales;
    const int made = QProcess::execute("localedef", { "-i", "de_DE", "-f", "UTF-8", locales.filePath("de_DE.UTF-8") });
    const QByteArray path = QFile::encodeName(locales.path());
    setenv("LOCPATH", path.constData(), 1);
    const bool german = made == 0 && std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    shortcut(*window, window->control("cmdExit"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString table = QGuiApplication::clipboard()->text();
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(table.contains("0.501187")) << table.toStdString();
    EXPECT_FALSE(table.contains(',')) << table.toStdString();
    if (!german)
        GTEST_SKIP() << "no German C locale could be made here; checked with Qt's German locale only";
}

TEST_F(PlotActionsTest, F1ShowsEveryWindowsHelpAndEscapeClosesIt)
{
    const struct {
        const char* language;
        const char* button; // the menu's button that opens the window; none for the menu
        std::vector<const char*> words, not_;
    } windows[] = {
        { "en", nullptr, { "Choose a demonstration", "Frequency modulation", "F1: Help", "Esc" }, { "Right-click", "Ctrl+C" } },
        { "en", "cmdAMenter", { "Transmitted signal envelope", "140 %", "Right-click", "Ctrl+C", "F11", "Ctrl+P: Play sound", "F1: Help" }, {} },
        { "en", "cmdFMenter", { "Bessel", "Ctrl+Shift+C", "F1: Help" }, {} },
        { "de", nullptr, { "Wählen Sie eine Vorführung", "Frequenzmodulation", "F1: Hilfe", "Esc" }, { "Rechtsklick", "Strg+C" } },
        { "de", "cmdAMenter", { "Hüllkurve des Sendesignals", "Rechtsklick", "Strg+C", "Strg+P: Ton abspielen", "F1: Hilfe" }, {} },
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(testing::Message() << w.language << " " << (w.button ? w.button : "the menu"));
        closeAll();
        ASSERT_TRUE(Translations::use(w.language));
        Form* form = &start();
        if (w.button) {
            ASSERT_NO_FATAL_FAILURE(open(w.button));
            form = window;
        }
        shortcut(*form, form->control("cmdExit"), Qt::Key_F1, Qt::NoModifier);
        auto* help = form->findChild<QDialog*>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        const QString text = help->findChild<QLabel*>()->text();
        for (const char* words : w.words)
            EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words << " in " << text.toStdString();
        for (const char* words : w.not_)
            EXPECT_FALSE(text.contains(QString::fromUtf8(words))) << words;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(help, &escape);
        EXPECT_FALSE(help->isVisible());
    }
    closeAll();
    Translations::use("en");
}

}
