// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/AccessiblePlots.h"

#include "core/PlotSource.h"
#include "surface/Form.h"
#include "surface/PlotActions.h"
#include "surface/PlotPanelWidget.h"

#include <QAccessible>
#include <QEvent>

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

AccessiblePlots::Announcer announcer = QAccessible::updateAccessibility;

}

AccessiblePlots::AccessiblePlots(PlotActions& actions)
    : QObject(&actions.form())
    , actions_(actions)
{
    Form& form = actions_.form();
    const std::vector<PlotPanel> panels = actions_.source().plotPanels();
    for (std::size_t i = 0; i < panels.size(); ++i) {
        // The FM window prints no title over its one plot.
        const QString title = panels[i].title.empty() ? tr("Line spectrum") : fromUtf8(panels[i].title);
        panels_ << new PlotPanelWidget(*this, i, title, &form);
    }
    // Tab goes through the window's own controls, then through the panels, then round.
    const std::vector<std::string>& order = form.model().design().focusOrder;
    QWidget* previous = order.empty() ? nullptr : form.control(fromUtf8(order.back()));
    for (PlotPanelWidget* panel : std::as_const(panels_)) {
        if (previous)
            QWidget::setTabOrder(previous, panel);
        previous = panel;
    }
    takeFocusWhereDrawn();
    connect(&form, &Form::plotsRedrawn, this, &AccessiblePlots::plotsRedrawn);
    form.installEventFilter(this);
}

// Only a plot that is drawn takes the focus: the FM window's is empty until its first
// accepted Update, and Tab passes it by until then.
void AccessiblePlots::takeFocusWhereDrawn()
{
    const bool drawn = actions_.source().hasPlot();
    for (PlotPanelWidget* panel : std::as_const(panels_))
        panel->setFocusPolicy(drawn ? Qt::TabFocus : Qt::NoFocus);
}

void AccessiblePlots::setAnnouncer(Announcer announce)
{
    announcer = announce ? announce : Announcer(QAccessible::updateAccessibility);
}

QString AccessiblePlots::description(std::size_t panel)
{
    if (stale_) {
        descriptions_ = actions_.form().model().descriptions();
        stale_ = false;
    }
    const std::string text = panel < descriptions_.size() ? descriptions_[panel] : std::string();
    return text.empty() ? tr("Nothing drawn yet.") : fromUtf8(text);
}

// The panels' places follow the window's scale: after the load handler has set its
// logical units, and in and out of full screen.
bool AccessiblePlots::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &actions_.form() && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
        place();
    return QObject::eventFilter(watched, event);
}

void AccessiblePlots::place()
{
    const Form& form = actions_.form();
    const std::vector<PlotPanel> panels = actions_.source().plotPanels();
    for (std::size_t i = 0; i < panels.size() && i < std::size_t(panels_.size()); ++i) {
        const LogicalRect& area = panels[i].area;
        const QRectF box(form.fromLogical(QPointF(area.left, area.top)), form.fromLogical(QPointF(area.right, area.bottom)));
        panels_[qsizetype(i)]->setGeometry(box.toAlignedRect());
    }
}

void AccessiblePlots::plotsRedrawn()
{
    stale_ = true;
    place();
    takeFocusWhereDrawn();
    for (PlotPanelWidget* panel : std::as_const(panels_)) {
        QAccessibleEvent changed(panel, QAccessible::DescriptionChanged);
        announcer(&changed);
    }
}
