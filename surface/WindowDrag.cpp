// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/WindowDrag.h"

#include "core/PlotSource.h"
#include "surface/Form.h"

#include <QMouseEvent>
#include <QWindow>

WindowDrag::WindowDrag(Form& form)
    : QObject(&form)
    , form_(form)
{
    form_.installEventFilter(this);
}

bool WindowDrag::onPlot(QPoint position) const
{
    PlotSource* plots = form_.model().plots();
    if (!plots)
        return false;
    const QPointF logical = form_.toLogical(position);
    return panelAt(*plots, logical.x(), logical.y()) >= 0;
}

// The form sees only the presses that no control took: those on its canvas.
bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &form_ || form_.isFullScreen())
        return QObject::eventFilter(watched, event);
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton || onPlot(mouse->position().toPoint()))
            break;
        if (QWindow* window = form_.windowHandle(); window && window->startSystemMove())
            return true;
        dragging_ = true;
        pressedAt_ = mouse->globalPosition().toPoint();
        windowStart_ = form_.pos();
        return true;
    case QEvent::MouseMove:
        if (!dragging_)
            break;
        if (!(mouse->buttons() & Qt::LeftButton)) {
            dragging_ = false;
            break;
        }
        form_.move(windowStart_ + mouse->globalPosition().toPoint() - pressedAt_);
        return true;
    case QEvent::MouseButtonRelease:
        if (!dragging_ || mouse->button() != Qt::LeftButton)
            break;
        dragging_ = false;
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
