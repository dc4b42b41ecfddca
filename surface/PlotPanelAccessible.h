// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class PlotPanelWidget;

// What assistive technology sees of a plot panel: an image (QAccessible::Graphic) inside
// the window, named after the panel's title and described by what it shows, in numbers;
// it can take the focus and open its context menu.
class PlotPanelAccessible : public QAccessibleWidget {
public:
    explicit PlotPanelAccessible(PlotPanelWidget* panel);

    QString text(QAccessible::Text kind) const override;
    // Besides taking the focus, the panel opens its context menu (showMenuAction).
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
};
