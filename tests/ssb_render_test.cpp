#include "TestSupport.h"
#include "tools/RenderTool.h"

#include <QImage>
#include <QTemporaryDir>

#include <sstream>

namespace {

class SsbRenderTest : public ProgramTest {
protected:
    std::vector<std::string> render(const std::vector<std::string>& arguments)
    {
        std::ostringstream out, err;
        EXPECT_EQ(RenderTool::run(arguments, out, err), 0) << err.str();
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    QTemporaryDir folder;
};

TEST_F(SsbRenderTest, OpsShowTheLoadThenOneRedrawPerClick)
{
    const auto ops = render({ "--ops", "-", "ssb", "click:optLower" });
    // Per redraw: the envelope (fill, trace, labels), the spectrum (fill, grid and
    // centre line, the sidebands, labels) and the scale (fill, labels).
    const std::size_t redraw = (1 + 40019 + 4) + (1 + 22 + 1 + 4) + (1 + 6);
    ASSERT_EQ(ops.size(), 3 + (redraw + 2) + (redraw + 1));
    EXPECT_EQ(ops[1], "text 1000 100 bold 9.75 \"Transmitted signal spectrum\"");
    std::vector<std::string> sidebands;
    for (const std::string& op : ops)
        if (op.ends_with("A0FFFF 3"))
            sidebands.push_back(op);
    EXPECT_EQ(sidebands, (std::vector<std::string> { "line 2400 1176 2400 5400 A0FFFF 3",
                                                     "line 3400 1176 3400 5400 A0FFFF 3",
                                                     "line 2400 1176 2400 5400 A0FFFF 3" }));
}

TEST_F(SsbRenderTest, PngShowsTheChosenLines)
{
    const std::string file = folder.filePath("ssb.png").toStdString();
    render({ "--png", file, "ssb", "click:optUpper", "click:Option1" });
    const QImage image(QString::fromStdString(file));
    ASSERT_EQ(image.size(), QSize(800, 600));
    // At 15 twips a pixel: carrier (x 2900) at full height, the upper sideband (3400)
    // from -6 dB, the lower one's place (2400) back to its grid line.
    EXPECT_EQ(image.pixel(193, 45) & 0xFFFFFF, 0xA0FFFFu);
    EXPECT_EQ(image.pixel(227, 100) & 0xFFFFFF, 0xA0FFFFu);
    EXPECT_EQ(image.pixel(160, 100) & 0xFFFFFF, 0x88AA88u);
}

}
