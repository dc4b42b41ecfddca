// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/TwipsLayout.h"

#include <QWidget>

#include <cmath>

namespace {
int toPixels(double twips, double pixelsPerTwip)
{
    return int(std::lround(twips * pixelsPerTwip));
}
}

TwipsLayout::TwipsLayout(QWidget* parent)
    : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

TwipsLayout::~TwipsLayout()
{
    for (const Item& item : items_)
        delete item.item;
}

void TwipsLayout::place(QWidget* widget, const TwipsRect& twips)
{
    for (Item& item : items_)
        if (item.item->widget() == widget) {
            item.twips = twips;
            apply(item);
            return;
        }
    addChildWidget(widget);
    items_.append(Item { new QWidgetItem(widget), twips });
    apply(items_.back());
}

void TwipsLayout::setScale(double pixelsPerTwip, QPoint offset)
{
    pixelsPerTwip_ = pixelsPerTwip;
    offset_ = offset;
    for (const Item& item : items_)
        apply(item);
}

void TwipsLayout::addItem(QLayoutItem* item)
{
    if (item->widget())
        items_.append(Item { item, {} });
    else
        delete item;
}

QLayoutItem* TwipsLayout::itemAt(int index) const
{
    return index >= 0 && index < items_.size() ? items_[index].item : nullptr;
}

QLayoutItem* TwipsLayout::takeAt(int index)
{
    if (index < 0 || index >= items_.size())
        return nullptr;
    return items_.takeAt(index).item;
}

// The rectangles are the window's own, whatever room the toolkit offers.
void TwipsLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    for (const Item& item : items_)
        apply(item);
}

void TwipsLayout::apply(const Item& item) const
{
    // Straight onto the widget: a layout item would bound it by the widget's size hints.
    item.item->widget()->setGeometry(QRect(toPixels(item.twips.left, pixelsPerTwip_) + offset_.x(),
                                           toPixels(item.twips.top, pixelsPerTwip_) + offset_.y(),
                                           toPixels(item.twips.width, pixelsPerTwip_),
                                           toPixels(item.twips.height, pixelsPerTwip_)));
}
