// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Presentation.h"

#include "core/PixelSurface.h"
#include "core/Screen.h"
#include "surface/ProgramStyle.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
double twipPixels = 1.0 / 15.0;
double pixelRatio = 1.0;

QString firstAvailable(const QStringList& families, const QString& fallback)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family))
            return family;
    return fallback;
}
}

namespace Presentation {

float screenWidthTwips() { return Screen::widthTwips(); }
float screenHeightTwips() { return Screen::heightTwips(); }

void setScreenTwips(float width, float height)
{
    Screen::setTwips(width, height);
}

double pixelsPerTwip() { return twipPixels; }
void setPixelsPerTwip(double pixelsPerTwip) { twipPixels = pixelsPerTwip; }

double devicePixelRatio() { return pixelRatio; }
void setDevicePixelRatio(double ratio) { pixelRatio = ratio; }

double fittedPixelsPerTwip(QSize available)
{
    const double byHeight = 0.85 * available.height() / 9000.0;
    const double byWidth = 0.95 * available.width() / 12000.0;
    return std::max(1.0 / 30.0, std::min(byHeight, byWidth));
}

void fitToPrimaryScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    setPixelsPerTwip(fittedPixelsPerTwip(screen->availableGeometry().size()));
    setDevicePixelRatio(screen->devicePixelRatio());
}

int penPixels(int lineWidth, double pixelsPerTwip)
{
    return PixelSurface::penPixels(lineWidth, pixelsPerTwip);
}

void useProgramStyle()
{
    ProgramStyle::install();
}

QString sansFamily()
{
    static const QString family = firstAvailable({ "Liberation Sans", "Arial", "DejaVu Sans" }, "Sans Serif");
    return family;
}

QString serifFamily()
{
    static const QString family
        = firstAvailable({ "Liberation Serif", "Times New Roman", "DejaVu Serif" }, "Serif");
    return family;
}

QFont font(const QString& family, double points, bool bold, double pixelsPerTwip)
{
    QFont font(family);
    font.setStyleHint(family == serifFamily() ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(points * 20.0 * pixelsPerTwip))));
    font.setBold(bold);
    return font;
}

QFont printFont(double points, bool bold, double pixelsPerTwip)
{
    QFont printed = font(sansFamily(), points, bold, pixelsPerTwip);
    printed.setStyleStrategy(QFont::NoAntialias);
    // Glyphs fitted to the pixels, and placed by the advances they have so fitted: with the
    // face's own unfitted advances the fitted glyphs stand unevenly ("E nvelope demodulat or
    // output" at 14 pixels).
    printed.setHintingPreference(QFont::PreferFullHinting);
    return printed;
}

}
