// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/HelpWindow.h"

#include "surface/Form.h"
#include "surface/Program.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

HelpWindow::HelpWindow(Form& form, const std::string& helpText)
    : QDialog(&form)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("%1 help").arg(Program::Name));
    setFont(form.font());
    // The window's own text, then every key it answers to.
    QString keys = "<p><b>" + tr("Keys") + "</b><br>"
        + tr("Right-click a plot to copy or save its picture or its data, or to play or save its sound.");
    for (const QAction* action : form.actions())
        if (!action->shortcut().isEmpty())
            keys += "<br>" + action->shortcut().toString(QKeySequence::NativeText) + ": "
                + QString(action->text()).remove("…");
    keys += "<br>" + tr("Esc: close this help") + "</p>";
    auto* text = new QLabel(QString::fromStdString(helpText) + keys, this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    const int line = QFontMetrics(form.font()).height();
    text->setFixedWidth(32 * line);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(line, line, line, line);
    layout->addWidget(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void HelpWindow::show(Form& form, const std::string& helpText)
{
    auto* help = form.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(form, helpText);
    help->QDialog::show();
    help->raise();
    help->activateWindow();
}
