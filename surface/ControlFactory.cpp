// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/ControlFactory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QString text(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Tab enters a group of option buttons at its selected button (at the first one while
// none is selected); the arrow keys then move within the group. Only that button of
// the group keeps its tab stop.
void keepTabStopOnSelection(QWidget* frame)
{
    const auto options = frame->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    const bool anySelected
        = std::any_of(options.begin(), options.end(), [](QRadioButton* o) { return o->isChecked(); });
    for (QRadioButton* option : options) {
        const bool stop = option->isChecked() || !anySelected;
        const int policy = option->focusPolicy();
        option->setFocusPolicy(Qt::FocusPolicy(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

Qt::Alignment alignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

}

QWidget* createControl(const Control& control, QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(text(control.caption), parent);
        label->setAlignment(alignment(control.align));
        widget = label;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text(control.caption), parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case ControlKind::Frame:
        widget = new QGroupBox(text(control.caption), parent);
        // A screen reader reads the options within the frame's name, without the spaces
        // a caption may end in.
        widget->setAccessibleName(text(control.caption).trimmed());
        break;
    case ControlKind::Option: {
        auto* option = new QRadioButton(text(control.caption), parent);
        option->setChecked(control.checked);
        keepTabStopOnSelection(parent);
        QObject::connect(option, &QRadioButton::toggled, parent, [parent](bool checked) {
            if (checked)
                keepTabStopOnSelection(parent);
        });
        widget = option;
        break;
    }
    case ControlKind::TextBox:
        widget = new QLineEdit(text(control.caption), parent);
        break;
    case ControlKind::Window:
        return nullptr;
    }
    widget->setObjectName(text(control.name));
    if (control.textColour) {
        QPalette palette = widget->palette();
        const QColor colour = QColor::fromRgb(colourToRgb(*control.textColour));
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::ButtonText, colour);
        widget->setPalette(palette);
    }
    widget->setEnabled(control.enabled);
    return widget;
}

void updateControl(QWidget* widget, const Control& control)
{
    widget->setEnabled(control.enabled);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text(control.caption));
    else if (auto* option = qobject_cast<QRadioButton*>(widget); option && option->isChecked() != control.checked) {
        const QSignalBlocker quiet(option);
        option->setChecked(control.checked);
        keepTabStopOnSelection(option->parentWidget());
    }
}
