// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include "surface/AccessiblePlots.h"
#include "surface/PlotPanelWidget.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QFocusFrame>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

#include <functional>
#include <utility>

namespace {

// What every window says to a screen reader, through Qt's accessibility interface: the
// window, its controls and its plots, with their names, roles and descriptions, and the
// changes it announces.
class AccessibilityTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        announced().clear();
        AccessiblePlots::setAnnouncer(record);
    }
    void TearDown() override
    {
        AccessiblePlots::setAnnouncer(nullptr);
        ProgramTest::TearDown();
    }

    // The window a menu button opens, or the menu itself for none.
    Form* openWindow(const char* menuButton)
    {
        if (!menuButton)
            return &start();
        open(menuButton);
        return window;
    }

    static QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

    // The window's children that stand for its plots, as a screen reader finds them.
    static std::vector<QAccessibleInterface*> images(Form& form)
    {
        std::vector<QAccessibleInterface*> found;
        QAccessibleInterface* windowInterface = accessible(&form);
        for (int i = 0; i < windowInterface->childCount(); ++i)
            if (QAccessibleInterface* child = windowInterface->child(i); child->role() == QAccessible::Graphic)
                found.push_back(child);
        return found;
    }

    static std::vector<QString> descriptions(const std::vector<QAccessibleInterface*>& plots)
    {
        std::vector<QString> texts;
        for (QAccessibleInterface* plot : plots)
            texts.push_back(plot->text(QAccessible::Description));
        return texts;
    }

    // The model's own descriptions, as the context menu's tables would give them.
    static std::vector<QString> modelDescriptions(Form& form)
    {
        std::vector<QString> texts;
        for (const std::string& text : form.model().descriptions())
            texts.push_back(QString::fromStdString(text));
        return texts;
    }

    // The changes the plots announced, as assistive technology would hear of them.
    static std::vector<std::pair<QObject*, QAccessible::Event>>& announced()
    {
        static std::vector<std::pair<QObject*, QAccessible::Event>> events;
        return events;
    }
    static int changesOf(QObject* object)
    {
        int count = 0;
        for (const auto& [source, type] : announced())
            count += source == object && type == QAccessible::DescriptionChanged;
        return count;
    }

    // Tab from the window's Exit to each control in turn until `widget` has the focus.
    static bool tabTo(QWidget* widget)
    {
        for (int i = 0; i < 40 && QApplication::focusWidget() != widget; ++i)
            press(Qt::Key_Tab, 1);
        return QApplication::focusWidget() == widget;
    }

    // A key sent to the focus; `inMenu` runs while a menu it opened is open (nullptr for
    // none), then the menu closes.
    static void pressForMenu(int key, Qt::KeyboardModifiers modifiers, const std::function<void(QMenu*)>& inMenu)
    {
        bool opened = false;
        QTimer whileOpen;
        whileOpen.setSingleShot(true);
        QObject::connect(&whileOpen, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                opened = true;
                inMenu(menu);
                menu->close();
            }
        });
        whileOpen.start(20);
        QKeyEvent down(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &down);
        if (!opened)
            inMenu(nullptr);
    }

private:
    static void record(QAccessibleEvent* event) { announced().emplace_back(event->object(), event->type()); }
};

struct NamedControl {
    const char* menuButton; // the window: the menu's button that opens it, nullptr for the menu
    const char* control;
    QAccessible::Role role;
    const char* name;
    const char* group; // the frame's name it is read within; nullptr where it stands alone
};

// clang-format off
const NamedControl NamedControls[] = {
    { nullptr,       "cmdAMenter",             QAccessible::Button,       "Amplitude modulation",      nullptr },
    { nullptr,       "cmdExit",                QAccessible::Button,       "Exit",                      nullptr },
    { "cmdAMenter",  "optAudio2000",           QAccessible::RadioButton,  "2000 Hz",                   "Audio frequency" },
    { "cmdAMenter",  "optLog",                 QAccessible::RadioButton,  "Log (decibels)",            "Y-axis" },
    { "cmdAMenter",  "Option2",                QAccessible::RadioButton,  "Diode",                     "Demodulator type" },
    { "cmdAMenter",  "cmdExit",                QAccessible::Button,       "Exit",                      nullptr },
    { "cmdSSBenter", "optUpper",               QAccessible::RadioButton,  "Ideal upper sideband",      "Mode" },
    { "cmdFMenter",  "txtModulatingFrequency", QAccessible::EditableText, "Modulating frequency (Hz)", nullptr },
    { "cmdFMenter",  "txtPlotBottom",          QAccessible::EditableText, "Plot bottom",               nullptr },
    { "cmdFMenter",  "cmdDisplay",             QAccessible::Button,       "Update",                    nullptr },
};
// clang-format on

TEST_F(AccessibilityTest, ControlsAreNamedByTheirCaptionsOptionsWithinTheirFrames)
{
    for (const NamedControl& expected : NamedControls) {
        SCOPED_TRACE(expected.control);
        Form* form = openWindow(expected.menuButton);
        ASSERT_NE(form, nullptr);
        QAccessibleInterface* control = accessible(form->control(expected.control));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->role(), expected.role);
        EXPECT_EQ(control->text(QAccessible::Name), expected.name);
        if (expected.group) {
            EXPECT_EQ(control->parent()->role(), QAccessible::Grouping);
            EXPECT_EQ(control->parent()->text(QAccessible::Name), expected.group);
        } else
            EXPECT_EQ(control->parent()->object(), form);
        closeAll();
    }
}

// Nothing a screen reader can reach goes without a name: every window, frame, button,
// option and box of every window.
TEST_F(AccessibilityTest, EveryWindowAndEveryControlHasAName)
{
    for (const char* menuButton : { (const char*)nullptr, "cmdAMenter", "cmdSSBenter", "cmdFMenter" }) {
        Form* form = openWindow(menuButton);
        ASSERT_NE(form, nullptr);
        QAccessibleInterface* windowInterface = accessible(form);
        EXPECT_EQ(windowInterface->role(), QAccessible::Window);
        EXPECT_EQ(windowInterface->text(QAccessible::Name).toStdString(), form->model().design().caption);
        int named = 0;
        for (const Control& control : form->model().design().controls) {
            if (control.kind == ControlKind::Label || control.kind == ControlKind::Window)
                continue;
            SCOPED_TRACE(control.name);
            const QString name = accessible(form->control(QString::fromStdString(control.name)))->text(QAccessible::Name);
            EXPECT_FALSE(name.trimmed().isEmpty());
            EXPECT_EQ(name, name.trimmed());
            named += !name.isEmpty();
        }
        EXPECT_GE(named, 4) << (menuButton ? menuButton : "menu");
        closeAll();
    }
}

struct PlotsOfWindow {
    const char* menuButton;
    std::vector<const char*> titles;
    std::vector<const char*> tableHeaders; // each panel's Copy data, its first row
};

const PlotsOfWindow WindowPlots[] = {
    { "cmdAMenter",
      { "Transmitted signal envelope", "Transmitted signal spectrum", "Envelope demodulator output" },
      { "plot\ttime_ms\tvalue", "offset_hz\tamplitude", "plot\ttime_ms\tvalue" } },
    { "cmdSSBenter", { "Transmitted signal spectrum", "Transmitted signal envelope" }, { "offset_hz", "plot\ttime_ms" } },
    { "cmdFMenter", { "Line spectrum" }, { "offset_hz" } },
};

// Each plot is an image of its own in the window, named by its title and described by
// the numbers it shows, those of the window's model.
TEST_F(AccessibilityTest, EachPlotIsAnImageNamedByItsTitleAndDescribedInNumbers)
{
    for (const PlotsOfWindow& expected : WindowPlots) {
        SCOPED_TRACE(expected.menuButton);
        ASSERT_NO_FATAL_FAILURE(open(expected.menuButton));
        if (std::string(expected.menuButton) == "cmdFMenter") {
            // Before the first Update the plot says there is nothing to hear of yet.
            ASSERT_EQ(images(*window).size(), 1u);
            EXPECT_EQ(images(*window)[0]->text(QAccessible::Description), "Nothing drawn yet.");
            ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
        }
        const std::vector<QAccessibleInterface*> plots = images(*window);
        ASSERT_EQ(plots.size(), expected.titles.size());
        const std::vector<QString> model = modelDescriptions(*window);
        for (std::size_t i = 0; i < plots.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(plots[i]->text(QAccessible::Name), expected.titles[i]);
            EXPECT_EQ(plots[i]->text(QAccessible::Description), model[i]);
            EXPECT_TRUE(plots[i]->text(QAccessible::Description).contains(QRegularExpression("[0-9]")));
            EXPECT_TRUE(plots[i]->state().focusable);
            EXPECT_TRUE(plots[i]->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
            // Over its own dark box on the screen, so a screen reader can show where it is.
            EXPECT_TRUE(window->rect().contains(plots[i]->rect().translated(-window->mapToGlobal(QPoint())))) << i;
            EXPECT_GT(plots[i]->rect().width(), window->width() / 5);
        }
        closeAll();
    }
}

struct Change {
    const char* menuButton;
    const char* option; // chosen with a click
    std::size_t changedPanel;
    const char* saysAfter; // in the changed panel's description
};

const Change Changes[] = {
    { "cmdAMenter", "optLog", 1, "carrier 0.0 dB" },
    { "cmdAMenter", "optAudio3000", 1, "\u00B13.000 kHz" },
    { "cmdAMenter", "optModulation50", 0, "swinging between" },
    { "cmdAMenter", "Option2", 2, "demodulator" },
    { "cmdSSBenter", "optUpper", 0, "upper sideband" },
};

// After a click the descriptions are those of the new plots, and each plot announces that
// its description changed, so a screen reader can say the new state.
TEST_F(AccessibilityTest, AClickChangesThePlotsDescriptionsAndSaysSo)
{
    for (const Change& change : Changes) {
        SCOPED_TRACE(change.option);
        ASSERT_NO_FATAL_FAILURE(open(change.menuButton));
        const std::vector<QAccessibleInterface*> plots = images(*window);
        const std::vector<QString> before = descriptions(plots); // read once, as a reader would
        announced().clear();
        ASSERT_NO_FATAL_FAILURE(click(*window, change.option));
        for (QAccessibleInterface* plot : plots)
            EXPECT_EQ(changesOf(plot->object()), 1) << plot->text(QAccessible::Name).toStdString();
        const std::vector<QString> after = descriptions(plots);
        EXPECT_EQ(after, modelDescriptions(*window));
        EXPECT_NE(after[change.changedPanel], before[change.changedPanel]);
        EXPECT_TRUE(after[change.changedPanel].contains(QString::fromUtf8(change.saysAfter)))
            << after[change.changedPanel].toStdString();
        closeAll();
    }
}

// The FM plot changes only with an accepted Update, and says so then; a refused one
// leaves it as it was, unannounced.
TEST_F(AccessibilityTest, TheFmPlotIsAnnouncedOnlyWhenUpdateDrawsIt)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
    QAccessibleInterface* plot = images(*window).at(0);
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
    EXPECT_EQ(changesOf(plot->object()), 1);
    const QString first = plot->text(QAccessible::Description);
    EXPECT_TRUE(first.contains("index")) << first.toStdString();

    qobject_cast<QLineEdit*>(window->control("txtModulatingFrequency"))->setText("0");
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(changesOf(plot->object()), 1);
    EXPECT_EQ(plot->text(QAccessible::Description), first);

    qobject_cast<QLineEdit*>(window->control("txtModulatingFrequency"))->setText("1k");
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
    EXPECT_EQ(changesOf(plot->object()), 2);
    EXPECT_NE(plot->text(QAccessible::Description), first);
    EXPECT_EQ(plot->text(QAccessible::Description), modelDescriptions(*window).at(0));
}

// Tab reaches each plot after the window's own controls; it then wears the focus mark,
// and the Menu key or Shift+F10 opens that plot's context menu.
TEST_F(AccessibilityTest, EachPlotTakesTheFocusAndOpensItsMenuFromTheKeyboard)
{
    for (const PlotsOfWindow& expected : WindowPlots) {
        SCOPED_TRACE(expected.menuButton);
        ASSERT_NO_FATAL_FAILURE(open(expected.menuButton));
        Form& form = *window;
        activate(form);
        ASSERT_EQ(QApplication::focusWidget(), form.control("cmdExit"));
        if (std::string(expected.menuButton) == "cmdFMenter") {
            ASSERT_NO_FATAL_FAILURE(click(form, "cmdDisplay"));
        }
        const QList<PlotPanelWidget*> panels = form.findChildren<PlotPanelWidget*>();
        ASSERT_EQ(std::size_t(panels.size()), expected.titles.size());
        for (std::size_t i = 0; i < expected.titles.size(); ++i) {
            SCOPED_TRACE(i);
            PlotPanelWidget* panel = panels[qsizetype(i)];
            ASSERT_TRUE(tabTo(panel));
            EXPECT_TRUE(accessible(panel)->state().focused);
            EXPECT_EQ(form.findChild<QFocusFrame*>()->widget(), panel);
            // The mouse still reaches the window itself, for its readouts and menus.
            EXPECT_EQ(form.childAt(panel->geometry().center()), nullptr);

            const std::pair<int, Qt::KeyboardModifiers> keys[] = { { Qt::Key_Menu, Qt::NoModifier },
                                                                   { Qt::Key_F10, Qt::ShiftModifier } };
            for (const auto& [key, modifiers] : keys) {
                QGuiApplication::clipboard()->clear();
                pressForMenu(key, modifiers, [&](QMenu* menu) {
                    ASSERT_NE(menu, nullptr);
                    EXPECT_EQ(menu->actions().value(0)->text(), "Copy picture");
                    EXPECT_TRUE(menu->geometry().contains(panel->mapToGlobal(panel->rect().center())));
                    menu->actions()[3]->trigger(); // after the separator: Copy data, this plot's
                });
                EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(expected.tableHeaders[i]))
                    << key << ": " << QGuiApplication::clipboard()->text().left(40).toStdString();
            }
            // Other keys do not open it.
            pressForMenu(Qt::Key_F10, Qt::NoModifier, [](QMenu* menu) { EXPECT_EQ(menu, nullptr); });
        }
        // After the last plot Tab goes round to Exit.
        press(Qt::Key_Tab, 1);
        EXPECT_EQ(QApplication::focusWidget(), form.control("cmdExit"));
        closeAll();
    }
}

// The plots' widgets draw nothing: the window's picture is the same with them hidden.
TEST_F(AccessibilityTest, ThePlotsObjectsLeaveTheWindowsPictureAsItWas)
{
    for (const char* menuButton : { "cmdAMenter", "cmdSSBenter", "cmdFMenter" }) {
        SCOPED_TRACE(menuButton);
        ASSERT_NO_FATAL_FAILURE(open(menuButton));
        if (std::string(menuButton) == "cmdFMenter") {
            ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
        }
        const QImage shown = window->grab().toImage();
        for (PlotPanelWidget* panel : window->findChildren<PlotPanelWidget*>())
            panel->hide();
        EXPECT_EQ(window->grab().toImage(), shown);
        closeAll();
    }
}

}
