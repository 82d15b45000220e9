// "config.txt": four integers read in order; the first that cannot be read
// keeps its default, and so does every one after it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "world/config.h"
#include "world/world.h"

namespace {

std::vector<int> config_from(const std::string& text) {
    reset_world();
    std::istringstream in(text);
    read_config(in);
    return {screen_width, screen_height, frame_delay_ms, frame_skip};
}

}  // namespace

TEST(Config, MissingFileKeepsEveryDefault) {
    reset_world();
    read_config_file("/nonexistent-headbot-dir/config.txt");
    EXPECT_EQ(screen_width, 640);
    EXPECT_EQ(screen_height, 480);
    EXPECT_EQ(frame_delay_ms, 0);
    EXPECT_EQ(frame_skip, 0);
}

TEST(Config, ReadsValuesUntilTheFirstOneThatCannotBeRead) {
    using V = std::vector<int>;
    EXPECT_EQ(config_from("800 600 10 1"), (V{800, 600, 10, 1}));
    EXPECT_EQ(config_from("1024 768"), (V{1024, 768, 0, 0}));
    EXPECT_EQ(config_from("800 abc 5 1"), (V{800, 480, 0, 0}));
    EXPECT_EQ(config_from("800\n600\n\n20\n2\n"), (V{800, 600, 20, 2}));
    EXPECT_EQ(config_from("800x600"), (V{800, 480, 0, 0}));
    EXPECT_EQ(config_from("640 480 5 2 and then some words"), (V{640, 480, 5, 2}));
    EXPECT_EQ(config_from(""), (V{640, 480, 0, 0}));
    EXPECT_EQ(config_from("800 600 -3 -1"), (V{800, 600, -3, -1}));
}

TEST(Config, NumberBeyond32BitsKeepsItsDefaultAndStopsReading) {
    using V = std::vector<int>;
    EXPECT_EQ(config_from("99999999999 600 10 1"), (V{640, 480, 0, 0}));
    EXPECT_EQ(config_from("800 600 2147483648 1"), (V{800, 600, 0, 0}));
    EXPECT_EQ(config_from("800 600 -2147483649 1"), (V{800, 600, 0, 0}));
    EXPECT_EQ(config_from("800 600 10 2147483647"), (V{800, 600, 10, 2147483647}));
}

namespace {

std::vector<int> display_from(const std::string& text) {
    config_from(text);
    return {display_scale, display_fullscreen};
}

}  // namespace

TEST(Config, DisplaySettingsFollowTheFourNumbersOrKeepThePlainWindow) {
    using V = std::vector<int>;
    EXPECT_EQ(display_from("640 480 10 0"), (V{1, 0}));  // every older file: one pixel each
    EXPECT_EQ(display_from("640 480 10 0 0"), (V{0, 0}));
    EXPECT_EQ(display_from("640 480 10 0 3 1"), (V{3, 1}));
    EXPECT_EQ(display_from("640 480 10 0 x 1"), (V{1, 0}));
    EXPECT_EQ(display_from("640 480 10 0 2 yes"), (V{2, 0}));
    EXPECT_EQ(display_from("640 480 oops 0 2 1"), (V{1, 0}));
    EXPECT_EQ(display_from("640 480 10 0 -2 -1"), (V{1, 0}));
    EXPECT_EQ(display_from("640 480 10 0 17 2"), (V{1, 0}));
    EXPECT_EQ(display_from("640 480 10 0 16 1"), (V{16, 1}));
    EXPECT_EQ(display_from("640 480 10 0 99999999999 1"), (V{1, 0}));
    // a second file read after the first starts from the defaults again
    EXPECT_EQ(display_from("640 480 10 0 4 1"), (V{4, 1}));
    EXPECT_EQ(display_from("640 480"), (V{1, 0}));
}

TEST(Config, SaysWhichNumberCannotBeReadAndNothingForAFileThatEndsEarly) {
    auto problem = [](const std::string& text) {
        std::istringstream in(text);
        return read_config(in);
    };
    EXPECT_EQ(problem("640 480 10 0 0 0"), "");
    EXPECT_EQ(problem("640 480 10 0 0 0 and anything after the sixth"), "");
    EXPECT_EQ(problem("1024 768\n"), "");
    EXPECT_EQ(problem(""), "");
    EXPECT_EQ(problem("640 480 ten 0"),
              "config.txt: the third number (rest per frame) cannot be read (\"ten\"); it and those after "
              "it keep their defaults");
    EXPECT_NE(problem("800x600").find("second number (screen height) cannot be read (\"x600\")"),
              std::string::npos);
    // a number too large for 32 bits, and a sign alone at the end
    EXPECT_NE(problem("640 99999999999 10").find("second number"), std::string::npos);
    EXPECT_NE(problem("640 480 10 0 -").find("fifth number (window scale) cannot be read (\"-\")"),
              std::string::npos);
    // bytes that are not printable do not reach the terminal
    EXPECT_NE(problem("\x1b[2J\x01").find("(\"[2J\")"), std::string::npos);
    // the values read are as without the report
    EXPECT_EQ(config_from("640 480 ten 0"), (std::vector<int>{640, 480, 0, 0}));

    reset_world();
    EXPECT_EQ(read_config_file("/nonexistent-headbot-dir/config.txt"), "");
    // a folder where the file should be: there, but not readable as one
    EXPECT_NE(read_config_file("/").find("cannot be read"), std::string::npos);
}
