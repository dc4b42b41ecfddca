// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <cstddef>
#include <string>
#include <vector>

class PlotActions;
class QAccessibleEvent;
class PlotPanelWidget;

// The plots of a demonstration window for the keyboard and for assistive technology: one
// PlotPanelWidget over each panel of the canvas, in the Tab order after the window's own
// controls, named after the panel's title and described in numbers (panelDescriptions).
// After each redraw the descriptions are stale: screen readers hear that they changed,
// and the next one asked for is computed then, for all panels at once, so a click costs
// nothing more while no screen reader listens.
class AccessiblePlots : public QObject {
    Q_OBJECT
public:
    explicit AccessiblePlots(PlotActions& actions);

    PlotActions& actions() { return actions_; }
    // The widgets over the panels, in the order of the window's panels.
    const QList<PlotPanelWidget*>& panels() const { return panels_; }
    // What a panel shows, in words and numbers, as the plots stand now.
    QString description(std::size_t panel);

    // Where the panels' changes are told: assistive technology
    // (QAccessible::updateAccessibility, which drops them while none listens), or a test's
    // own function; nullptr restores the default.
    using Announcer = void (*)(QAccessibleEvent* event);
    static void setAnnouncer(Announcer announcer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void plotsRedrawn();
    void takeFocusWhereDrawn();

    PlotActions& actions_;
    QList<PlotPanelWidget*> panels_;
    std::vector<std::string> descriptions_;
    bool stale_ = true;
};
