// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/KeyboardRules.h"

#include "surface/Form.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace {

// The model's name of a key pressed on a widget of that kind, where the model has a rule.
std::optional<Key> modelKey(const QWidget* widget, const QKeyEvent& event)
{
    if (qobject_cast<const QPushButton*>(widget) || qobject_cast<const QLineEdit*>(widget)) {
        if (event.key() == Qt::Key_Return)
            return Key::Return;
        if (event.key() == Qt::Key_Enter)
            return Key::Enter;
    } else if (qobject_cast<const QRadioButton*>(widget) && !(event.modifiers() & ~Qt::KeypadModifier)) {
        switch (event.key()) {
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Home:
            return Key::Home;
        case Qt::Key_End:
            return Key::End;
        default:
            break;
        }
    }
    return std::nullopt;
}

}

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const std::optional<Key> key = widget ? modelKey(widget, *static_cast<QKeyEvent*>(event)) : std::nullopt;
    if (!key)
        return false;
    auto* form = qobject_cast<Form*>(widget->window());
    if (!form)
        return false;
    const std::string name = form->controlName(widget);
    if (name.empty())
        return false;
    return form->model().pressKey(name, *key);
}
