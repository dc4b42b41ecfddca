// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

class Form;

// A window's picture as files take it.
namespace PictureExport {

// The window as the person sees it, at the display's resolution.
QImage windowImage(Form& form);
QByteArray png(Form& form);
// The window's drawing as an SVG picture: the same operations, one element each, texts
// as text in the window's fonts, at the size of the display the layout was made for.
QByteArray svg(Form& form);

}
