// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a file whole or not at all, without ever replacing what is not a plain file.
#include "core/WholeFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class WholeFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tavinel-whole-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
    std::string reason;
};

TEST_F(WholeFileTest, WritesANewFileOrReplacesAnOldOneAndLeavesNothingElse)
{
    const fs::path file = folder / "a.csv";
    ASSERT_TRUE(writeWhole(file, std::string("x,y\n\0\r\n", 7), reason)) << reason;
    EXPECT_EQ(contents(file), std::string("x,y\n\0\r\n", 7));
    ASSERT_TRUE(writeWhole(file, "short", reason)) << reason;
    EXPECT_EQ(contents(file), "short");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A link stays a link; the file it names takes the bytes.
    const fs::path link = folder / "link.csv";
    fs::create_symlink(file, link);
    ASSERT_TRUE(writeWhole(link, "through", reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(file), "through");
}

TEST_F(WholeFileTest, WritesIntoWhatIsNotAFileOfItsOwnWithoutReplacingIt)
{
    // A pipe (as /dev/null or a terminal would be): written to, never replaced by a file.
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(writeWhole(pipe, "abc", reason)) << reason;
    char read[8] = {};
    EXPECT_EQ(::read(reader, read, sizeof read), 3);
    EXPECT_STREQ(read, "abc");
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(pipe));

    EXPECT_FALSE(writeWhole(folder, "x", reason));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_FALSE(writeWhole(folder / "missing" / "a.csv", "x", reason));
    EXPECT_EQ(reason, "No such file or directory");
}

}
