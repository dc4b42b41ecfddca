// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>
#include <QString>

// The look every window of the program shares, the same on every desktop: Qt's Fusion
// style, with the frames and the option buttons in them white like the windows they
// stand on, and command buttons with a light grey face.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    // Makes this the application's style, with the frames' style sheet.
    static void install();

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;

private:
    // Frames: white, a thin grey outline with round corners, the caption on the outline.
    static QString frameStyleSheet();
};
