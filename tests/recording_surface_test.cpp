#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string written(const RecordingSurface& surface)
{
    std::ostringstream out;
    const_cast<RecordingSurface&>(surface).log().write(out);
    return out.str();
}

TEST(RecordingSurface, WritesEveryOperationInOrder)
{
    RecordingSurface surface(12000, 9000);
    surface.setScale(9375, 7031.25f);
    surface.fillBox(300, 500, 3700, 5500, 0x575757);
    surface.setLineWidth(3);
    surface.line(10, 20, 10, 20, 0xFFFFA0);
    surface.lineTo(12.5f, -8.333333f, 0xFFFFA0);
    surface.setLineWidth(1);
    surface.box(8100, 600, 11500, 5400, 0x88AA88);
    surface.setFontBold(true);
    surface.setFontSize(9.75);
    surface.setCurrentX(400);
    surface.setCurrentY(100);
    surface.print("Transmitted \"signal\"");
    surface.log().message("line one\r\nline two");

    EXPECT_EQ(written(surface),
              "scale 9375 7031.25\n"
              "fill 300 500 3700 5500 575757\n"
              "line 10 20 10 20 A0FFFF 3\n"
              "line 10 20 12.5 -8.333333 A0FFFF 3\n"
              "box 8100 600 11500 5400 88AA88 1\n"
              "text 400 100 bold 9.75 \"Transmitted \\\"signal\\\"\"\n"
              "message \"line one\\nline two\"\n");
}

TEST(RecordingSurface, PrintMovesToTheStartOfTheNextLine)
{
    RecordingSurface surface(12000, 9000);
    surface.setCurrentX(700);
    surface.setCurrentY(1000);
    surface.print("a");
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_GT(surface.currentY(), 1000 + 9.75 * 20);
    EXPECT_LT(surface.currentY(), 1000 + 9.75 * 20 * 1.5);
}

TEST(RecordingSurface, LinesMoveTheCurrentPosition)
{
    RecordingSurface surface(12000, 9000);
    surface.line(1, 2, 3, 4, 0);
    surface.lineTo(5, 6, 0);
    surface.fillBox(7, 8, 9, 10, 0);
    surface.lineTo(11, 12, 0);
    const auto& ops = surface.ops();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[1].x1, 3);
    EXPECT_EQ(ops[1].y1, 4);
    EXPECT_EQ(ops[3].x1, 9);
    EXPECT_EQ(ops[3].y1, 10);
}

}
