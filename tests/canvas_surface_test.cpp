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

// A text keeps the letter spacing its face has at that size wherever it starts, on a whole
// pixel or between two: the plot titles at 1366 x 768 read "E nvelope demodulat or output"
// when the letters, fitted to the pixels, stood by unfitted advances.
TEST(CanvasTextTest, ATextKeepsItsLetterSpacingWhereverItStarts)
{
    const std::vector<std::string> texts = { "Envelope demodulator output", "Transmitted signal spectrum", "kHz", "-50dB" };
    for (const double pixelsPerTwip : { 1.0 / 15, 0.85 * 740 / 9000, 0.85 * 768 / 9000, 0.85 * 1080 / 9000 })
        for (const bool bold : { true, false })
            for (const std::string& text : texts) {
                SCOPED_TRACE(testing::Message() << text << (bold ? " bold" : "") << " at " << pixelsPerTwip);
                // The ink of the text begun at 20 pixels and a share of one more, from its first inked column.
                auto ink = [&](double share) {
                    CanvasSurface canvas(12000, 9000, pixelsPerTwip);
                    canvas.setFontSize(9.75);
                    canvas.setFontBold(bold);
                    canvas.printAt(float((20 + share) / pixelsPerTwip), 100, text);
                    const QImage image = canvas.image().copy(0, 0, 600, 40);
                    int first = 0;
                    while (first < image.width() && [&] {
                        for (int y = 0; y < image.height(); ++y)
                            if (qGray(image.pixel(first, y)) < 128)
                                return false;
                        return true;
                    }())
                        ++first;
                    return image.copy(first, 0, 560, 40);
                };
                const QImage whole = ink(0);
                for (const double share : { 0.25, 0.5, 0.75 })
                    EXPECT_EQ(ink(share), whole) << "begun " << share << " of a pixel on";
            }
}

}
