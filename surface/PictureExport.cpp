// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/PictureExport.h"

#include "surface/Form.h"
#include "surface/PainterSurface.h"
#include "surface/Program.h"

#include <QBuffer>
#include <QFocusFrame>
#include <QPixmap>
#include <QSvgGenerator>

#include <cmath>

namespace PictureExport {

namespace {

// The window as it looks, without the keyboard-focus mark: a picture is of the window's
// contents, wherever the focus happens to be.
QPixmap withoutFocusMark(Form& form)
{
    QList<QFocusFrame*> hidden;
    for (QFocusFrame* mark : form.findChildren<QFocusFrame*>())
        if (mark->isVisible()) {
            mark->hide();
            hidden << mark;
        }
    const QPixmap picture = form.grab();
    for (QFocusFrame* mark : std::as_const(hidden))
        mark->show();
    return picture;
}

}

QImage windowImage(Form& form)
{
    return withoutFocusMark(form).toImage();
}

QByteArray png(Form& form)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    withoutFocusMark(form).save(&buffer, "PNG");
    return bytes;
}

QByteArray svg(Form& form)
{
    // The size of the display the layout was made for: 15 twips a pixel.
    constexpr double PixelsPerTwip = 1.0 / 15.0;
    const Surface& canvas = form.canvas();
    const QSize size(int(std::lround(canvas.clientWidthTwips() * PixelsPerTwip)),
                     int(std::lround(canvas.clientHeightTwips() * PixelsPerTwip)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(), size));
    generator.setResolution(96);
    generator.setTitle(QString("%1: %2").arg(Program::Name, form.windowTitle()));
    PainterSurface surface(canvas.clientWidthTwips(), canvas.clientHeightTwips(), PixelsPerTwip, generator);
    form.drawPicture(surface);
    form.renderControls(surface.painter());
    surface.finish();
    return bytes;
}

}
