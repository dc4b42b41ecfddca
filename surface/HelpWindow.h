// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <string>

// A window's help (F1): its own text, then every key it answers to, in the window's font.
// One per window; asking again brings it to the front.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // The help of `window`, whose shortcuts it lists; `withPlots` where the window has
    // plots to right-click.
    static void show(QWidget& window, const std::string& helpText, bool withPlots);
    // The Help action (F1 in the whole window) that shows it.
    static QString actionText() { return tr("Help"); }

private:
    HelpWindow(QWidget& window, const std::string& helpText, bool withPlots);
};
