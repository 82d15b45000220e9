// A level's name: a line after the end mark, which the loader reads, every
// reader of records passes over, and a save writes back.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "render/overlay_text.h"
#include "support/level_text.h"
#include "world/level_document.h"
#include "world/level_name.h"
#include "world/snapshot.h"
#include "world/world.h"

namespace {

const std::string kLevel = "s 900 600\np 40 500\nA 32 541\nE 64 400\nD 200 541\n! 0 0\n";

std::string name_of(const std::string& after_end_mark) {
    load_level_text(kLevel + after_end_mark, 1);
    return level_name;
}

bool same_world(const WorldSnapshot& a, const WorldSnapshot& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TEST(LevelName, ANamedFileLoadsTheWorldOfTheSameFileWithoutTheName) {
    static WorldSnapshot plain, named;
    load_level_text(kLevel, 1);
    save_world(plain);
    EXPECT_EQ(level_name, "");
    load_level_text(kLevel + "name Spider corridor\n", 1);
    save_world(named);
    EXPECT_EQ(level_name, "Spider corridor");
    EXPECT_TRUE(same_world(plain, named));

    // a record after the name is never read: the end mark ends the level
    load_level_text(kLevel + "name Two rooms\nA 500 500\n", 1);
    EXPECT_EQ(ground_count, 1);
    EXPECT_EQ(level_name, "Two rooms");

    // a level that stops before its end mark has no name, whatever follows
    load_level_text("p 40 500\nA x 1\n! 0 0\nname Lost\n", 1);
    EXPECT_EQ(level_name, "");
    // and the next level's load forgets the last one's name
    EXPECT_EQ(name_of(""), "");
}

TEST(LevelName, OddNamesAreCutOrNotNamesAndNeverMore) {
    EXPECT_EQ(name_of("\n  \nname Brick window\r\n"), "Brick window");  // blank lines, Windows line end
    EXPECT_EQ(name_of("name \n"), "");
    EXPECT_EQ(name_of("name\n"), "");
    EXPECT_EQ(name_of("Name Capital\n"), "");
    EXPECT_EQ(name_of("A 1 2\nname Too late\n"), "");  // only the first line after the mark
    EXPECT_EQ(name_of("name no line end"), "no line end");
    // text on the end mark's own line is no name
    EXPECT_EQ(name_of(kLevel.substr(0, kLevel.size() - 1) + " name Not this\n"), "");

    // a long name is cut as it is read; a line of a megabyte costs nothing more
    EXPECT_EQ(name_of("name " + std::string(1 << 20, 'x') + "\n").size(), kLevelNameBytes);

    // bytes the font cannot show stay in the name but never reach the screen
    const std::string odd = name_of(std::string("name Bad\x01\x1b[2J\xff\xfe name\n"));
    EXPECT_EQ(odd.size(), 15u);
    EXPECT_EQ(shown_text(odd, 0), "Bad[2J name");
    EXPECT_EQ(shown_text(odd, 5), "Bad[2");
    EXPECT_EQ(shown_text("\x01\x02", 0), "");
}

TEST(LevelName, SavingKeepsTheNameAndWritesNoneForAnEmptyOne) {
    std::istringstream in(kLevel + "\nname The attic\n");
    LevelDocument doc;
    EXPECT_EQ(read_level_document(in, doc).stop, RecordRead::end_mark);
    EXPECT_EQ(doc.name, "The attic");
    const std::string saved = level_document_text(doc);
    EXPECT_EQ(saved.substr(saved.size() - 21), "! 0 0\nname The attic\n");

    doc.name = "two\nlines\r";
    EXPECT_EQ(level_document_text(doc).substr(saved.size() - 21), "! 0 0\nname twolines\n");
    doc.name.clear();
    const std::string unnamed = level_document_text(doc);
    EXPECT_EQ(unnamed.substr(unnamed.size() - 6), "! 0 0\n");
}
