// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RecordingSurface.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(RecordingSurfaceTest, WritesEveryOperationInOrder)
{
    RecordingSurface surface(12000, 9000);
    surface.setScale(9375, 7031.25f);
    surface.setLineWidth(3);
    surface.line(10, 20, 10, 20, 0xFFFFA0);
    surface.lineTo(12.5f, -8.333333f, 0xFFFFA0); // from the end of the last line
    surface.fillBox(300, 500, 3700, 5500, 0x575757);
    surface.setLineWidth(1);
    surface.box(8100, 600, 11500, 5400, 0x88AA88);
    surface.setFontBold(true);
    surface.setFontSize(9.75);
    surface.setCurrentX(400);
    surface.setCurrentY(100);
    surface.print("Transmitted \"signal\"");
    surface.print("C:\\plots\\am");
    surface.log().message("line one\r\nline two");

    std::ostringstream out;
    surface.log().write(out);
    EXPECT_EQ(out.str(),
              "scale 9375 7031.25\n"
              "line 10 20 10 20 A0FFFF 3\n"
              "line 10 20 12.5 -8.333333 A0FFFF 3\n"
              "fill 300 500 3700 5500 575757\n"
              "box 8100 600 11500 5400 88AA88 1\n"
              "text 400 100 bold 9.75 \"Transmitted \\\"signal\\\"\"\n"
              "text 0 275.1953 bold 9.75 \"C:\\\\plots\\\\am\"\n"
              "message \"line one\\nline two\"\n");
}

}
