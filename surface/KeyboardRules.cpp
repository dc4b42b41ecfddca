// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/KeyboardRules.h"

#include "surface/Form.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !(qobject_cast<QPushButton*>(widget) || qobject_cast<QLineEdit*>(widget)))
        return false;
    auto* form = qobject_cast<Form*>(widget->window());
    if (!form)
        return false;
    const std::string name = form->controlName(widget);
    if (name.empty())
        return false;
    return form->model().pressKey(name, key == Qt::Key_Return ? Key::Return : Key::Enter);
}
