// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowDesign.h"

#include <QLayout>
#include <QList>
#include <QPoint>

// Places widgets by rectangles in twips: the window's controls on its client area, or an
// option button in its frame. The scale (pixels per twip) and the client area's offset
// in the widget (full screen) are the window's; a widget is placed as soon as its
// rectangle or the scale changes.
class TwipsLayout : public QLayout {
public:
    explicit TwipsLayout(QWidget* parent);
    ~TwipsLayout() override;

    void place(QWidget* widget, const TwipsRect& twips);
    void setScale(double pixelsPerTwip, QPoint offset);

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override { return {}; }
    void setGeometry(const QRect& rect) override;

private:
    struct Item {
        QLayoutItem* item;
        TwipsRect twips;
    };
    void apply(const Item& item) const;

    QList<Item> items_;
    double pixelsPerTwip_ = 1.0 / 15.0;
    QPoint offset_;
};
