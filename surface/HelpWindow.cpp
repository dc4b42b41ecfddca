// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/HelpWindow.h"

#include "surface/Program.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget& window, const std::string& helpText, bool withPlots)
    : QDialog(&window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("%1 help").arg(Program::Name));
    setFont(window.font());
    // The window's own text, then every key it answers to.
    QString keys = "<p><b>" + tr("Keys") + "</b>";
    if (withPlots)
        keys += "<br>" + tr("Right-click a plot to copy or save its picture or its data, or to play or save its sound.");
    for (const QAction* action : window.actions())
        if (!action->shortcut().isEmpty())
            keys += "<br>" + action->shortcut().toString(QKeySequence::NativeText) + ": "
                + QString(action->text()).remove("…");
    keys += "<br>" + tr("Esc: close this help") + "</p>";
    auto* text = new QLabel(QString::fromStdString(helpText) + keys, this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    const int line = QFontMetrics(window.font()).height();
    text->setFixedWidth(32 * line);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(line, line, line, line);
    layout->addWidget(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void HelpWindow::show(QWidget& window, const std::string& helpText, bool withPlots)
{
    auto* help = window.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(window, helpText, withPlots);
    help->QDialog::show();
    help->raise();
    help->activateWindow();
}
