// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/MessageBox.h"

#include "surface/Program.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// (QMessageBox would wrap the lines at a fixed width in pixels, however large the text.)
void showMessageBox(QWidget& owner, const std::string& text)
{
    QDialog box(&owner);
    box.setWindowTitle(Program::Name);
    box.setFont(owner.font());
    auto* label = new QLabel(QString::fromStdString(text).replace("\r\n", "\n"), &box);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    const int line = QFontMetrics(owner.font()).height();
    buttons->button(QDialogButtonBox::Ok)->setMinimumSize(4 * line, line * 3 / 2);
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(line, line, line, line * 2 / 3);
    layout->setSpacing(line);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(buttons);
    box.exec();
}
