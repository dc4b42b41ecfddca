// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>
#include <QString>

// The look every window of the program shares, the same on every desktop: Qt's Fusion
// style, with the frames and the option buttons in them white like the windows they
// stand on, command buttons with a light grey face, option-button markers that grow
// with their text, and a keyboard-focus mark plain enough for a projector.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    // Makes this the application's style.
    static void install();

    // The colour of the keyboard-focus outline.
    static QColor focusColour();
    // A widget with this property set to true wears its focus outline just inside its edge
    // (a plot panel, with figures close around it); every other one just outside.
    static constexpr const char* FocusMarkInside = "tavinelFocusMarkInside";

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    // Frames: white, a thin grey outline with round corners, the caption on the outline.
    static QString frameStyleSheet();
};
