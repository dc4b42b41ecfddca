// SPDX-License-Identifier: GPL-3.0-or-later
#include "RedrawScenes.h"

#include "surface/CanvasSurface.h"
#include "surface/PainterSurface.h"

#include <gtest/gtest.h>

// Failures name the scene.
void PrintTo(const RedrawScene& scene, std::ostream* out) { *out << scene.name; }

namespace {

// How far the fast canvas may stray from drawing every segment with QPainter.
struct Difference {
    double equalShare = 0; // share of pixels with the same colour in both pictures
    int unexplained = 0;   // differing pixels not explained by the other picture nearby
};

// A differing pixel is explained when each picture has the other's colour for that pixel
// within `reach` pixels (Chebyshev distance): it lies on the edge of a line or band that
// both pictures drew, just one pixel further or nearer.
Difference compare(const QImage& canvas, const QImage& reference, int reach)
{
    Difference result;
    const int width = canvas.width(), height = canvas.height();
    auto near = [&](const QImage& image, int x, int y, QRgb colour) {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int u = x + dx, v = y + dy;
                if (u >= 0 && v >= 0 && u < width && v < height && image.pixel(u, v) == colour)
                    return true;
            }
        return false;
    };
    long equal = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb a = canvas.pixel(x, y), b = reference.pixel(x, y);
            if (a == b) {
                ++equal;
                continue;
            }
            if (!near(reference, x, y, a) || !near(canvas, x, y, b))
                ++result.unexplained;
        }
    result.equalShare = double(equal) / (double(width) * height);
    return result;
}

class PictureEquivalenceTest : public testing::TestWithParam<RedrawScene> {};

TEST_P(PictureEquivalenceTest, CanvasMatchesOneQPainterCallPerSegment)
{
    for (const double pixelsPerTwip : { 1.0 / 15.0, 2400.0 / 12000.0 }) {
        SCOPED_TRACE(pixelsPerTwip);
        CanvasSurface canvas(12000, 9000, pixelsPerTwip);
        PainterSurface reference(12000, 9000, pixelsPerTwip);
        chooseScene(GetParam());
        GetParam().draw(canvas);
        chooseScene(GetParam());
        GetParam().draw(reference);

        const Difference difference = compare(canvas.image(), reference.image(), canvas.penPixels(3));
        EXPECT_GE(difference.equalShare, 0.99);
        EXPECT_EQ(difference.unexplained, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, PictureEquivalenceTest, testing::ValuesIn(redrawScenes()));

}
