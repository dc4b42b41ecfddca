// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/ProgramStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create("Fusion"))
{
}

void ProgramStyle::install()
{
    QApplication::setStyle(new ProgramStyle);
}

QString ProgramStyle::frameStyleSheet()
{
    return "QGroupBox { background-color: white; border: 1px solid #b0b0b0;"
           " border-radius: 3px; margin-top: 0.6em; }"
           " QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }";
}

void ProgramStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    // A style sheet of the frame's own, so that nothing else is drawn through style sheets.
    if (auto* frame = qobject_cast<QGroupBox*>(widget); frame && frame->styleSheet().isEmpty())
        frame->setStyleSheet(frameStyleSheet());
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        option->setAutoFillBackground(true);
        QPalette palette = option->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::Button, Qt::white);
        option->setPalette(palette);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, QColor(0xE0, 0xE0, 0xE0));
        button->setPalette(palette);
    }
}
