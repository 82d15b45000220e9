// The level's size typed in the editor, and what a new height does: the
// objects keep their place above the bottom, in one undo step.
#include <gtest/gtest.h>

#include <sstream>

#include "edit/level_edit.h"
#include "edit/size_prompt.h"
#include "render/overlay_text.h"
#include "world/world.h"

namespace {

LevelDocument doc_of(const std::string& text) {
    std::istringstream in(text);
    LevelDocument doc;
    read_level_document(in, doc);
    return doc;
}

bool size_of(const std::string& text, int32_t& w, int32_t& h, std::string& why) {
    w = h = -1;
    return parse_level_size(text, w, h, why);
}

}  // namespace

TEST(LevelSize, TypedSizesAreTwoWholeNumbersWithinTheEditorsLimits) {
    int32_t w = 0, h = 0;
    std::string why;
    EXPECT_TRUE(size_of("6000 1000", w, h, why));
    EXPECT_EQ(w, 6000);
    EXPECT_EQ(h, 1000);
    EXPECT_TRUE(size_of("  640,480 ", w, h, why));
    EXPECT_EQ(h, 480);
    EXPECT_TRUE(size_of("32 100000", w, h, why));

    for (const char* bad : {"", "640", "abc def", "640 4x0", "640 480 3", "6e3 1000", "640.5 480"}) {
        EXPECT_FALSE(size_of(bad, w, h, why)) << bad;
        EXPECT_NE(why.find("numbers"), std::string::npos) << bad << ": " << why;
        EXPECT_EQ(w, -1) << "a refused size is not set";
    }
    // negative, too small, beyond the limit, beyond 64 bits: named, not set
    for (const char* bad : {"-640 480", "640 0", "31 480", "100001 480", "640 99999999999999999999999"}) {
        EXPECT_FALSE(size_of(bad, w, h, why)) << bad;
        EXPECT_EQ(w, -1) << bad;
    }
    size_of("2000000 480", w, h, why);
    EXPECT_EQ(why, "a level side must be 32 to 100000 pixels, not 2000000 by 480");

    SizePrompt prompt;
    prompt.open(640, 480);
    prompt.erase();
    prompt.type('1');
    prompt.type('\x1b');  // not printable: not typed
    EXPECT_EQ(prompt.text(), "640 481");
    for (int i = 0; i < 100; ++i) prompt.type('9');
    EXPECT_LE(prompt.text().size(), 24u) << "the line stays short";
}

TEST(LevelSize, ANewHeightMovesTheTopEdgeAndKeepsTheGroundInOneStep) {
    reset_world();
    LevelEdit e;
    e.open(doc_of("s 640 480\nZ 5 5\np 64 407\nA 0 448\nD 96 417\nM 128 416\nG 0 96\n! 0 0\n"), 1);
    EXPECT_TRUE(e.set_size_keeping_ground(1280, 240));
    EXPECT_EQ(level_document_text(e.document()),
              "s 1280 240\nZ 5 5\np 64 167\nA 0 208\nD 96 177\nM 128 176\nG 0 -144\n! 0 0\n");
    EXPECT_EQ(level_height, 240);
    EXPECT_EQ(ground_tiles[0].y, 208);
    // a width alone moves nothing
    EXPECT_TRUE(e.set_size_keeping_ground(640, 240));
    EXPECT_EQ(ground_tiles[0].y, 208);
    EXPECT_FALSE(e.set_size_keeping_ground(640, 240)) << "the same size is no change";
    EXPECT_TRUE(e.undo());
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(level_document_text(e.document()),
              "s 640 480\nZ 5 5\np 64 407\nA 0 448\nD 96 417\nM 128 416\nG 0 96\n! 0 0\n");
    EXPECT_FALSE(e.undo()) << "size and move were one step";
}

TEST(LevelSize, MessagesNameObjectsOneWayAndWrapWhole) {
    EXPECT_EQ(object_name('U'), "fixed block");
    EXPECT_EQ(object_name('p'), "robot start");
    EXPECT_EQ(object_name('s'), "size record");
    EXPECT_EQ(object_name('Z'), "record Z");

    const std::string message = "won, but mine.keys cannot be written (Read-only file system); the edits stay";
    const std::vector<std::string> lines = wrap_text(message, 30);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 30u) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, message) << "every word shown, none cut";
    EXPECT_EQ(wrap_text(std::string(70, 'x'), 30).size(), 3u) << "a word longer than a line is broken";
    EXPECT_EQ(wrap_text("", 30).size(), 1u);
}
