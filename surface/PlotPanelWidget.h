// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <cstddef>

class AccessiblePlots;

// One plot panel as an object of its own, over its part of the canvas: it takes the
// keyboard focus (and so the window's focus mark), opens the panel's context menu with
// the Menu key or Shift+F10, and stands for the panel to assistive technology as an image
// (PlotPanelAccessible). It draws nothing and lets the mouse through to the window, so
// the window looks and answers the mouse as it would without it.
class PlotPanelWidget : public QWidget {
    Q_OBJECT
public:
    PlotPanelWidget(AccessiblePlots& plots, std::size_t panel, const QString& title, QWidget* window);

    std::size_t panel() const { return panel_; }
    // What the panel shows, in words and numbers.
    QString description() const;
    // Opens the panel's context menu at its centre; returns once it has closed.
    void openMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    AccessiblePlots& plots_;
    std::size_t panel_;
};
