// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/CanvasSurface.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

constexpr Colour Trace = 0xFFFFA0;
constexpr Colour Panel = 0x575757;

// The canvas collects lines and paints them later; whatever it holds back must still come
// out in the order it was drawn, with the pen it was drawn with.
class CanvasSurfaceTest : public testing::Test {
protected:
    // 800 x 600 pixels for 12000 x 9000 twips, one logical unit a twip.
    CanvasSurface canvas { 12000, 9000, 1.0 / 15.0 };

    QRgb pixel(float x, float y) { return canvas.image().pixel(int(x / 15), int(y / 15)); }
};

TEST_F(CanvasSurfaceTest, AFilledBoxCoversTheLinesDrawnBeforeIt)
{
    for (int line = 0; line < 50; ++line)
        canvas.line(1000 + 60.0f * float(line), 1000, 1000 + 60.0f * float(line), 4000, Trace);
    canvas.fillBox(900, 900, 5000, 4100, Panel);
    for (float x = 1000; x < 4000; x += 15)
        ASSERT_EQ(pixel(x, 2500), 0xFF575757u) << x;
    // Lines drawn after the box are on top of it.
    canvas.line(2000, 1000, 2000, 4000, Trace);
    EXPECT_EQ(pixel(2000, 2500), 0xFFA0FFFFu);
}

TEST_F(CanvasSurfaceTest, ATraceDrawnAfterAWiderOneOfTheSameColourIsThin)
{
    // Width 3 is 3 pixels here; then a width-1 line of the same colour, 10 pixels to the right.
    canvas.setLineWidth(3);
    canvas.line(1500, 1500, 1500, 4500, Trace);
    canvas.setLineWidth(1);
    canvas.line(1650, 1500, 1650, 4500, Trace);
    const QImage& image = canvas.image();
    auto litColumns = [&](int from, int to) {
        int lit = 0;
        for (int column = from; column < to; ++column)
            lit += image.pixel(column, 200) == 0xFFA0FFFFu;
        return lit;
    };
    EXPECT_EQ(litColumns(90, 106), 3);  // around x 100
    EXPECT_EQ(litColumns(106, 120), 1); // at x 110
}

}
