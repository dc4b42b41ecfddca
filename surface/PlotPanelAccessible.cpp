// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/PlotPanelAccessible.h"

#include "surface/PlotPanelWidget.h"

#include <QMetaObject>

PlotPanelAccessible::PlotPanelAccessible(PlotPanelWidget* panel)
    : QAccessibleWidget(panel, QAccessible::Graphic)
{
}

QString PlotPanelAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Description)
        return static_cast<const PlotPanelWidget*>(widget())->description();
    return QAccessibleWidget::text(kind);
}

QStringList PlotPanelAccessible::actionNames() const
{
    return QAccessibleWidget::actionNames() << showMenuAction();
}

// The menu opens once the request has been answered: assistive technology asks through
// the session's bus and should not wait while the menu is open.
void PlotPanelAccessible::doAction(const QString& action)
{
    if (action != showMenuAction()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    QMetaObject::invokeMethod(
        widget(), [panel = static_cast<PlotPanelWidget*>(widget())] { panel->openMenu(); }, Qt::QueuedConnection);
}
