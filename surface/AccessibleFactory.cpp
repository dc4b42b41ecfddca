// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/AccessibleFactory.h"

#include "surface/Form.h"
#include "surface/PlotPanelAccessible.h"
#include "surface/PlotPanelWidget.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* programInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(PlotPanelWidget::staticMetaObject.className()))
        if (auto* panel = qobject_cast<PlotPanelWidget*>(object))
            return new PlotPanelAccessible(panel);
    if (className == QLatin1String(Form::staticMetaObject.className()))
        if (auto* form = qobject_cast<Form*>(object))
            return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

}

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(programInterface);
        return true;
    }();
    (void)installed;
}
