// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/PlotPanelWidget.h"

#include "surface/AccessiblePlots.h"
#include "surface/PlotActions.h"
#include "surface/ProgramStyle.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

PlotPanelWidget::PlotPanelWidget(AccessiblePlots& plots, std::size_t panel, const QString& title, QWidget* window)
    : QWidget(window)
    , plots_(plots)
    , panel_(panel)
{
    setObjectName(QStringLiteral("plot%1").arg(panel));
    setAccessibleName(title);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The focus mark goes round the inside of the panel's dark margin: outside it stand the
    // scale's figures, whose minus signs and points it would cover.
    setProperty(ProgramStyle::FocusMarkInside, true);
}

QString PlotPanelWidget::description() const
{
    return plots_.description(panel_);
}

void PlotPanelWidget::openMenu()
{
    plots_.actions().showMenu(int(panel_), mapToGlobal(rect().center()));
}

void PlotPanelWidget::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    openMenu();
}

// Where the window system turns the Menu key into a context-menu request of its own (X11),
// the key itself then goes to the open menu.
void PlotPanelWidget::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    openMenu();
}
