// The level document: a level file read record by record, kept in order,
// written back so that it loads into the very world the original loads into.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <string>

#include "support/level_text.h"
#include "world/level_document.h"
#include "world/owned_file.h"
#include "world/world.h"

namespace {

// Every value a level load sets, as text: two worlds are the same when
// their pictures are.
std::string world_picture() {
    std::ostringstream o;
    o << level_width << ' ' << level_height << ' ' << view_bottom << ' ' << offset_y << ' '
      << camera_x << '|' << player.x << ' ' << player.y << ' ' << player.respawn_x << ' '
      << player.respawn_y << ' ' << player.lives << ' ' << player.health << '|' << ball.x << ' '
      << ball.y << ' ' << ball.home_x << ' ' << ball.home_y << '|' << boss.x << ' ' << boss.y << '|';
    for (int32_t i = 0; i < ground_count; ++i) o << 'A' << ground_tiles[i].x << ',' << ground_tiles[i].y;
    for (int32_t i = 0; i < block_count; ++i) {
        const Block& b = blocks[i];
        o << 'B' << b.x << ',' << b.y << ',' << +b.kind << +b.breakable << +b.present << b.width << b.vx;
    }
    for (int32_t i = 0; i < spider_count; ++i) o << 'D' << spiders[i].x << ',' << spiders[i].y << +spiders[i].alive;
    for (int32_t i = 0; i < mushroom_count; ++i) o << 'M' << mushrooms[i].x << ',' << mushrooms[i].y;
    return o.str();
}

std::string loaded_picture(const std::string& text, int32_t level) {
    load_level_text(text, level);
    return world_picture();
}

LevelDocument read_text(const std::string& text, DocumentRead* how = nullptr) {
    std::istringstream in(text);
    LevelDocument doc;
    DocumentRead read = read_level_document(in, doc);
    if (how) *how = read;
    return doc;
}

std::string saved_again(const std::string& text) { return level_document_text(read_text(text)); }

std::string file_text(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(LevelDocument, OpenAndSaveLoadsIntoTheSameWorld) {
    const std::string odd_files[] = {
        // two records on a line, a record across lines, extra blanks
        "s 900 600 p 40 500\nA 0 541 A 32\n541\n  U 64 509\nG 96 400\nE 1 2\nD 5 6\nM 7 8\n! 0 0\n",
        // unknown letters between records, text after the end mark
        "Z 1 2\nA 10 20\nq -5 7\nA 30 40\n! 9 9 A 50 60\n",
        // no end mark, no size, no start: what the level before left stays
        "A 3 4\nM 5 6",
        // huge numbers the loader holds to a million
        "s 2000000000 -2000000000\np -1500000 2\nA 7 8\n!",
        // a record whose numbers cannot be read ends the level
        "A 1 2\nA x 3\nA 5 6\n! 0 0\n",
        "",
    };
    for (const std::string& text : odd_files)
        for (int32_t level : {1, 4}) {
            const std::string original = loaded_picture(text, level);
            EXPECT_EQ(loaded_picture(saved_again(text), level), original) << text;
        }
    // the records past a table's capacity stay in the file, in their place
    std::string crowded;
    for (int i = 0; i < kMushroomCapacity + 5; ++i) crowded += "M " + std::to_string(i) + " 1\nA 0 " + std::to_string(i) + "\n";
    EXPECT_EQ(loaded_picture(saved_again(crowded), 2), loaded_picture(crowded, 2));
    EXPECT_EQ(read_text(crowded).records.size(), 2u * (kMushroomCapacity + 5));
}

TEST(LevelDocument, KeepsOrderAndUnknownLettersAsRead) {
    const std::string text = "A 1 2\nZ 3 4\ns 640 480\nA -5 6\n! 0 0\n";
    EXPECT_EQ(saved_again(text), text);
    // a level already in the saved form is written back byte for byte
    EXPECT_EQ(saved_again(saved_again("A 1   2 Z\n3 4 !")), "A 1 2\nZ 3 4\n! 0 0\n");
}

TEST(LevelDocument, SaysWhereReadingStopped) {
    DocumentRead how;
    EXPECT_EQ(read_text("A 1 2\n\nA 3 4\nA 5 six\nA 7 8\n", &how).records.size(), 2u);
    EXPECT_EQ(how.stop, RecordRead::bad_field);
    EXPECT_EQ(how.line, 4);
    read_text("A 1 2\n! 0 0\nA 3 4\n", &how);
    EXPECT_EQ(how.stop, RecordRead::end_mark);
    EXPECT_EQ(how.line, 2);
    EXPECT_EQ(read_text("A 1 2\nA 3 4", &how).records.size(), 2u);
    EXPECT_EQ(how.stop, RecordRead::end_of_input);
    // a number beyond 32 bits cannot be read: the game stops there too
    EXPECT_EQ(read_text("A 1 2\nA 99999999999 1\n", &how).records.size(), 1u);
    EXPECT_EQ(how.line, 2);
}

TEST(LevelDocument, AWriteThatFailsLeavesTheOldFileWhole) {
    const std::string path = scratch_dir() + "/level_doc";
    std::string error;
    ASSERT_TRUE(write_file_atomically(path, "A 1 2\n! 0 0\n", error)) << error;
    EXPECT_EQ(file_text(path), "A 1 2\n! 0 0\n");

    // a full disk, as a file size limit: the new text does not fit
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tight = old;
    tight.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = write_file_atomically(path, "A 5 6\nA 7 8\n! 0 0\n", error);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find("cannot write"), std::string::npos);
    EXPECT_EQ(file_text(path), "A 1 2\n! 0 0\n");

    // a folder that is not there
    EXPECT_FALSE(write_file_atomically(scratch_dir() + "/no/such/folder/level", "x", error));
    EXPECT_FALSE(error.empty());
}

TEST(LevelDocument, RandomFilesSaveIntoTheSameWorld) {
    // texts of every shape a level file can take, drawn from a fixed seed
    uint32_t seed = 12345;
    const auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    const char* const words[] = {"A", "E", "U", "G", "D", "M", "p", "s", "!", "Z", "q", "x",
                                 "0", "32", "-7", "448", "99999999999", "2147483647", "-2147483648",
                                 "1e3", "+5", "--1", "3.5"};
    const char* const gaps[] = {" ", "\n", "  ", "\t", "\r\n", ""};
    for (int round = 0; round < 150; ++round) {
        std::string text;
        const uint32_t length = next(60);
        for (uint32_t i = 0; i < length; ++i) {
            text += words[next(sizeof words / sizeof *words)];
            text += gaps[next(sizeof gaps / sizeof *gaps)];
        }
        const int32_t level = static_cast<int32_t>(1 + next(7));
        const std::string once = saved_again(text);
        ASSERT_EQ(loaded_picture(once, level), loaded_picture(text, level)) << text;
        ASSERT_EQ(saved_again(once), once) << "saving a saved file changes nothing";
    }
}
