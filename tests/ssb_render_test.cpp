#include "TestSupport.h"
#include "tools/RenderTool.h"

#include <QImage>
#include <QTemporaryDir>

#include <sstream>

namespace {

class SsbRenderTest : public ProgramTest {
protected:
    int render(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return RenderTool::run(arguments, out, err);
    }

    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }

    std::ostringstream out, err;
    QTemporaryDir folder;
};

TEST_F(SsbRenderTest, OpsShowTheLoadThenOneRedrawPerClick)
{
    ASSERT_EQ(render({ "--ops", "-", "ssb", "click:optLower" }), 0) << err.str();
    const auto ops = lines();
    // Scale and titles; then per redraw the envelope (fill, trace, labels), the spectrum
    // (fill, grid and centre line, two sidebands or one, labels) and the scale.
    const std::size_t envelope = 1 + 40019 + 4;
    const std::size_t spectrum = 1 + 22 + 1 + 4;
    const std::size_t scale = 1 + 6;
    ASSERT_EQ(ops.size(), 3 + (envelope + spectrum + 2 + scale) + (envelope + spectrum + 1 + scale));
    EXPECT_EQ(ops[0], "scale 12000 9000");
    EXPECT_EQ(ops[1], "text 1000 100 bold 9.75 \"Transmitted signal spectrum\"");
    EXPECT_EQ(ops[3], "fill 6400 500 11600 5500 575757");
    EXPECT_EQ(ops[4], "line 6500 3000 6500 3000 A0FFFF 1");

    std::vector<std::string> signalLines;
    for (const std::string& op : ops)
        if (op.starts_with("line") && op.ends_with(" 3"))
            signalLines.push_back(op);
    EXPECT_EQ(signalLines, (std::vector<std::string> { "line 2400 1176 2400 5400 A0FFFF 3",
                                                       "line 3400 1176 3400 5400 A0FFFF 3",
                                                       "line 2400 1176 2400 5400 A0FFFF 3" }));
    EXPECT_EQ(ops.back(), "text 5520 5300 regular 9.75 \"-50dB\"");
}

struct PixelCase {
    std::vector<std::string> steps;
    int x, y;  // window pixels
    QRgb rgb;
};

class SsbRenderPixels : public SsbRenderTest, public testing::WithParamInterface<PixelCase> {};

TEST_P(SsbRenderPixels, PngShowsThePlots)
{
    const QString file = folder.filePath("ssb.png");
    std::vector<std::string> arguments { "--png", file.toStdString(), "ssb" };
    arguments.insert(arguments.end(), GetParam().steps.begin(), GetParam().steps.end());
    ASSERT_EQ(render(arguments), 0) << err.str();
    const QImage image(file);
    ASSERT_EQ(image.size(), QSize(800, 600));
    EXPECT_EQ(image.pixel(GetParam().x, GetParam().y) & 0xFFFFFF, GetParam().rgb)
        << GetParam().x << ", " << GetParam().y;
}

// At 15 twips a pixel: the lower sideband at x 2400 is pixel 160, the upper at 3400
// pixel 226 or 227, the carrier at 2900 pixel 193; y 3000 is pixel 200. Without a
// line, these places show the grid.
INSTANTIATE_TEST_SUITE_P(
    Settings, SsbRenderPixels,
    testing::Values(PixelCase { {}, 160, 200, 0xA0FFFF }, PixelCase { {}, 227, 200, 0xA0FFFF },
                    PixelCase { {}, 193, 100, 0xDDDDDD }, // no carrier: the centre line shows
                    PixelCase { { "click:optLower" }, 160, 200, 0xA0FFFF },
                    PixelCase { { "click:optLower" }, 227, 200, 0x88AA88 },
                    PixelCase { { "click:optUpper" }, 160, 200, 0x88AA88 },
                    PixelCase { { "click:Option1" }, 193, 100, 0xA0FFFF },
                    PixelCase { { "click:optAudio3000" }, 160, 200, 0x88AA88 }, // back to the grid line
                    PixelCase { { "click:optAudio3000" }, 93, 200, 0xA0FFFF },
                    // The envelope's zero at x 7125 (pixel 475) and its crest at 7750 (517).
                    PixelCase { {}, 475, 180, 0x575757 }, PixelCase { {}, 517, 180, 0xA0FFFF }));

}
