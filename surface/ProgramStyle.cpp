// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/ProgramStyle.h"

#include <QApplication>
#include <QFocusFrame>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

// Fusion draws a 14-pixel marker 6 pixels from the text for a 13-pixel font, the size of
// the option buttons' text on the display the windows were laid out for; the markers keep
// that proportion at every size.
constexpr double MarkerPerFontPixel = 14.0 / 13.0;
constexpr double SpacingPerFontPixel = 6.0 / 13.0;

int fontPixels(const QWidget* widget)
{
    return QFontInfo(widget->font()).pixelSize();
}

// The focus outline: a sixth of a text line thick, at least 2 pixels.
int outlineWidth(const QFontMetrics& metrics)
{
    return std::max(2, int(std::lround(metrics.height() / 6.0)));
}

// The four bars of the focus outline in the focus frame's rectangle. The outline stands
// outside its control, but stops short of the controls beside it: option buttons stand
// edge to edge, and the mark round one must not cover the one below or above.
QRegion outlineBars(const QFocusFrame* frame, QRect r, int width)
{
    const QWidget* target = frame ? frame->widget() : nullptr;
    if (target && target->parentWidget()) {
        const QWidget* parent = target->parentWidget();
        const QRect own(frame->mapFromGlobal(target->mapToGlobal(QPoint())), target->size());
        for (const QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling == target || sibling == frame || !sibling->isVisible()
                || qobject_cast<const QFocusFrame*>(sibling))
                continue;
            const QRect other(frame->mapFromGlobal(sibling->mapToGlobal(QPoint())), sibling->size());
            if (!other.intersects(r) || other.intersects(own))
                continue;
            if (other.top() > own.bottom())
                r.setBottom(std::min(r.bottom(), other.top() - 1));
            else if (other.bottom() < own.top())
                r.setTop(std::max(r.top(), other.bottom() + 1));
            else if (other.left() > own.right())
                r.setRight(std::min(r.right(), other.left() - 1));
            else if (other.right() < own.left())
                r.setLeft(std::max(r.left(), other.right() + 1));
        }
    }
    QRegion bars;
    bars += QRect(r.left(), r.top(), r.width(), width);
    bars += QRect(r.left(), r.bottom() - width + 1, r.width(), width);
    bars += QRect(r.left(), r.top(), width, r.height());
    bars += QRect(r.right() - width + 1, r.top(), width, r.height());
    return bars;
}

}

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create("Fusion"))
{
}

void ProgramStyle::install()
{
    QApplication::setStyle(new ProgramStyle);
}

QColor ProgramStyle::focusColour()
{
    return QColor(0xF2, 0x6B, 0x00); // a strong orange, unlike anything else in the windows
}

QString ProgramStyle::frameStyleSheet()
{
    return "QGroupBox { background-color: white; border: 1px solid #b0b0b0;"
           " border-radius: 3px; margin-top: 0.6em; }"
           " QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; background-color: white; }";
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

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        if (widget)
            return int(std::lround(fontPixels(widget) * MarkerPerFontPixel));
        break;
    case PM_RadioButtonLabelSpacing:
        if (widget)
            return int(std::lround(fontPixels(widget) * SpacingPerFontPixel));
        break;
    case PM_FocusFrameHMargin:
    case PM_FocusFrameVMargin:
        // The outline stands one pixel clear of the control, outside it, or inside it where
        // the control asks (the option is the focus frame's, which knows its control).
        if (option) {
            const auto* frame = qobject_cast<const QFocusFrame*>(option->styleObject);
            const QWidget* target = frame ? frame->widget() : nullptr;
            const bool inside = target && target->property(FocusMarkInside).toBool();
            return inside ? -1 : outlineWidth(option->fontMetrics) + 1;
        }
        break;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    // The focus frame stands on top of the window, so neighbouring controls never hide it.
    if (hint == SH_FocusFrame_AboveWidget)
        return 1;
    // The focus frame lets through everything but its outline.
    if (hint == SH_FocusFrame_Mask && option) {
        if (auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returnData))
            mask->region = outlineBars(qobject_cast<const QFocusFrame*>(widget), option->rect,
                                       outlineWidth(option->fontMetrics));
        return 1;
    }
    // Buttons say what they do in words, at the window's size; a small icon beside them
    // would not grow with the text.
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    // The focus frame below marks the focus instead.
    if (element == PE_FrameFocusRect)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if (element != CE_FocusFrame) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // Around the control with the focus, outside it, always: a window opens with the focus
    // on Exit, which Return or Space press at once, so the mark must show before any key.
    const auto* frame = qobject_cast<const QFocusFrame*>(widget);
    const QRegion bars = outlineBars(frame, option->rect, outlineWidth(option->fontMetrics));
    for (const QRect& bar : bars)
        painter->fillRect(bar, focusColour());
}
