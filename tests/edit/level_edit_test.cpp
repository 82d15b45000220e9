// The editor's model: changes land in the records in file order, every
// change is one undo step, a full table refuses, and the marks follow.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "edit/key_record.h"
#include "edit/level_edit.h"
#include "edit/open_level.h"
#include "edit/size_prompt.h"
#include "render/overlay_text.h"
#include "support/level_text.h"
#include "world/world.h"

namespace {

LevelDocument doc_of(const std::string& text) {
    std::istringstream in(text);
    LevelDocument doc;
    read_level_document(in, doc);
    return doc;
}

std::string text_of(const LevelEdit& e) { return level_document_text(e.document()); }

}  // namespace

TEST(LevelEdit, PlacesAppendsAndTheRobotHasOneStart) {
    reset_world();
    LevelEdit e;
    e.open(doc_of("s 640 480\nZ 1 2\np 10 20\nA 0 448\n! 0 0\n"), 1);
    std::string why;
    EXPECT_TRUE(e.place(Kind::breakable_block, 32, 416, why));
    EXPECT_TRUE(e.place(Kind::moving_block, 64, 416, why));
    EXPECT_TRUE(e.place(Kind::spider, 96, 417, why));
    EXPECT_TRUE(e.place(Kind::mushroom, 128, 416, why));
    EXPECT_TRUE(e.place(Kind::robot, 160, 407, why));
    EXPECT_FALSE(e.place(Kind::spider, 96, 417, why)) << "the same object twice in one place";
    EXPECT_EQ(text_of(e), "s 640 480\nZ 1 2\np 160 407\nA 0 448\nE 32 416\nG 64 416\nD 96 417\nM 128 416\n! 0 0\n");
    // the world shows what the records say, the moving block at its width
    EXPECT_EQ(block_count, 2);
    EXPECT_EQ(blocks[1].width, 64);
    EXPECT_EQ(player.x, 160);
    EXPECT_EQ(e.record_at(70, 420), 5) << "the moving block";
    EXPECT_EQ(e.record_at(300, 300), -1);
}

TEST(LevelEdit, TheObjectDrawnOnTopIsTheOneFound) {
    reset_world();
    LevelEdit e;
    // a mushroom is drawn first, the robot last, later entries over earlier
    e.open(doc_of("p 0 0\nM 0 0\nA 0 0\nA 0 0\nU 0 0\n"), 1);
    EXPECT_EQ(e.record_at(5, 5), 0);
    EXPECT_FALSE(e.remove(0)) << "the robot's start stays";
    e.move(0, 500, 500);
    EXPECT_EQ(e.record_at(5, 5), 4) << "the block over the tiles";
    e.remove(4);
    EXPECT_EQ(e.record_at(5, 5), 3) << "the later tile";
    e.remove(3);
    e.remove(2);
    EXPECT_EQ(e.record_at(5, 5), 1) << "the mushroom under everything";
}

TEST(LevelEdit, UndoAndRedoEveryChangeBackToTheFileAsOpened) {
    reset_world();
    LevelEdit e;
    const std::string opened = "s 640 480\nA 0 448\nA 32 448\n! 0 0\n";
    e.open(doc_of(opened), 1);
    std::string why;
    e.place(Kind::ground, 64, 448, why);
    e.move(1, 0, 416);
    e.remove(2);
    e.set_size(960, 512);
    // one drag, many moves: one step
    e.start_gesture();
    for (int x = 1; x <= 5; ++x) e.move(0, 640 + x * 32, 480);
    e.end_gesture();
    const std::string last = text_of(e);
    EXPECT_EQ(last, "s 800 480\nA 0 416\nA 64 448\n! 0 0\n");
    EXPECT_FALSE(e.saved());
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(text_of(e), "s 960 512\nA 0 416\nA 64 448\n! 0 0\n");
    while (e.undo()) {}
    EXPECT_EQ(text_of(e), opened);
    EXPECT_TRUE(e.saved()) << "back to the file as it is on disk";
    while (e.redo()) {}
    EXPECT_EQ(text_of(e), last);
    EXPECT_EQ(level_width, 800);
    // a new change after an undo drops the steps that were undone
    e.undo();
    e.place(Kind::mushroom, 0, 0, why);
    EXPECT_FALSE(e.redo());
}

TEST(LevelEdit, AFullTableRefusesWithAReason) {
    reset_world();
    std::string text;
    for (int i = 0; i < kMushroomCapacity; ++i) text += "M " + std::to_string(i * 32) + " 0\n";
    LevelEdit e;
    e.open(doc_of(text), 1);
    std::string why;
    EXPECT_FALSE(e.place(Kind::mushroom, 0, 64, why));
    EXPECT_NE(why.find("full"), std::string::npos);
    EXPECT_FALSE(e.undo()) << "a refused change is no step";
    EXPECT_TRUE(e.place(Kind::ground, 0, 64, why)) << "the other tables still have room";
}

TEST(LevelEdit, AnyChangeClearsTheClearedMark) {
    reset_world();
    LevelEdit e;
    e.open(doc_of("A 0 448\n"), 1);
    e.mark_cleared();
    EXPECT_TRUE(e.cleared());
    e.move(0, 32, 448);
    EXPECT_FALSE(e.cleared());
    e.undo();
    EXPECT_TRUE(e.cleared()) << "the very level that was won";
}

TEST(KeyRecord, RunsOfEqualFramesMakeAScriptThatNamesItsLevel) {
    screen_width = 640;
    screen_height = 480;
    KeyRecord r;
    for (int i = 0; i < 3; ++i) r.add_frame(false, false, false);
    for (int i = 0; i < 2; ++i) r.add_frame(true, false, true);
    r.add_frame(false, true, false);
    EXPECT_EQ(r.frames(), 6);
    const LevelDocument a = doc_of("A 0 448\n"), b = doc_of("A 0 416\n");
    EXPECT_NE(level_fingerprint(a), level_fingerprint(b));
    const std::string script = key_script_text(r, "mine", 3, level_fingerprint(a));
    EXPECT_NE(script.find("\n3 -\n2 UR\n1 L\n"), std::string::npos) << script;
    EXPECT_EQ(fingerprint_in_key_script(script), level_fingerprint(a));
    EXPECT_EQ(fingerprint_in_key_script("3 U\n# level fingerprint 1234\n"), "");
}

TEST(OpenLevel, MissingMalformedAndHostileFilesOpen) {
    reset_world();
    const std::string dir = scratch_dir();
    std::string message;
    LevelDocument doc = open_level_file(dir + "/no-such-level", message);
    EXPECT_EQ(level_document_text(doc), "s 6000 1000\np 100 900\n! 0 0\n");
    EXPECT_NE(message.find("is new"), std::string::npos);

    doc = open_level_file(dir, message);  // a folder
    EXPECT_NE(message.find("not a plain file"), std::string::npos);

    std::ofstream(dir + "/bad") << "s 640 480\nA 0 448\nA 32 four\nA 64 448\n";
    doc = open_level_file(dir + "/bad", message);
    EXPECT_EQ(doc.records.size(), 2u);
    EXPECT_NE(message.find("line 3"), std::string::npos) << message;

    // the extremes a file can hold, edited at the edges of the level range
    std::ofstream(dir + "/huge") << "s 2147483647 -2147483648\np -2147483647 2147483647\n"
                                    "A 1000000 1000000\nG -1000000 -1000000\n";
    doc = open_level_file(dir + "/huge", message);
    LevelEdit e;
    e.open(doc, 7);
    std::string why;
    EXPECT_EQ(e.record_at(1000000 + 31, 1000000 + 31), 2);
    EXPECT_EQ(e.record_at(-1000000 + 63, -1000000), 3);
    EXPECT_TRUE(e.place(Kind::spider, 2147483647, -2147483647, why));
    EXPECT_EQ(e.document().records.back().a, kLevelCoordinateLimit);
    EXPECT_TRUE(e.move(2, -2147483647, 2147483647));
    EXPECT_TRUE(e.set_size(-5, 2147483647));
    EXPECT_EQ(level_width, kSmallestLevelSide);
    EXPECT_EQ(level_height, kLargestEditedSide);
    while (e.undo()) {}
    EXPECT_TRUE(e.document() == doc);
}

// The level's size typed in the editor, and what a new height does: the
// objects keep their place above the bottom, in one undo step.
namespace {

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
