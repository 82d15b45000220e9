// The level loader: records into the tables, then the ball, camera, health
// and flags reset for the new level.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "support/level_text.h"
#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/world.h"

namespace {

std::string repeated(const std::string& record, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += record + "\n";
    return text;
}

std::vector<std::string> tunes_started;
void record_tune(const char* file) { tunes_started.push_back(file); }

}  // namespace

TEST(LevelLoader, AppliesEveryRecordLetter) {
    reset_world();
    player.lives = 0;
    spiders[0].alive = 0;
    blocks[0].present = 0;
    blocks[1].vx = -1;
    load_next_level_text(
        "s 3000 800\np 120 640\nA 10 20\nE 30 40\nU 50 60\nG 70 80\nD 90 100\nM 110 120\n"
        "g 1 2 A 130 140 ! 0 0\nA 1 1\n",
        1);
    EXPECT_EQ(level_width, 3000);
    EXPECT_EQ(level_height, 800);
    EXPECT_EQ(player.x, 120);
    EXPECT_EQ(player.y, 640);
    EXPECT_EQ(player.respawn_x, 120);
    EXPECT_EQ(player.respawn_y, 640);
    EXPECT_EQ(player.lives, 1);

    ASSERT_EQ(ground_count, 2);  // the "g" record is skipped, nothing after "!" read
    EXPECT_EQ(ground_tiles[0].x, 10);
    EXPECT_EQ(ground_tiles[0].y, 20);
    EXPECT_EQ(ground_tiles[1].x, 130);
    EXPECT_EQ(ground_tiles[1].y, 140);

    ASSERT_EQ(block_count, 3);
    const Block& e = blocks[0];
    EXPECT_EQ(e.x, 30);
    EXPECT_EQ(e.y, 40);
    EXPECT_EQ(e.present, 1);
    EXPECT_EQ(e.breakable, 1);
    EXPECT_EQ(e.kind, 0);
    EXPECT_EQ(e.width, 32);
    const Block& u = blocks[1];
    EXPECT_EQ(u.x, 50);
    EXPECT_EQ(u.breakable, 0);
    EXPECT_EQ(u.kind, 0);
    EXPECT_EQ(u.vx, -1);  // not written by "U"
    const Block& g = blocks[2];
    EXPECT_EQ(g.x, 70);
    EXPECT_EQ(g.y, 80);
    EXPECT_EQ(g.kind, 1);
    EXPECT_EQ(g.breakable, 0);
    EXPECT_EQ(g.vx, 1);
    EXPECT_EQ(g.width, 64);
    EXPECT_EQ(g.height, 32);

    ASSERT_EQ(spider_count, 1);
    EXPECT_EQ(spiders[0].x, 90);
    EXPECT_EQ(spiders[0].y, 100);
    EXPECT_EQ(spiders[0].alive, 1);
    ASSERT_EQ(mushroom_count, 1);
    EXPECT_EQ(mushrooms[0].x, 110);
    EXPECT_EQ(mushrooms[0].y, 120);
}

TEST(LevelLoader, StopsAtTheEndOrAtAFieldThatCannotBeRead) {
    struct Case {
        const char* text;
        int tiles;
    } cases[] = {
        {"A 1 2 !", 1},             // "!" at the very end
        {"A 1 2 ! 5", 1},
        {"A 1 2 A 3 4", 2},         // no "!" at all
        {"A 1 2 A 3 x A 5 6 !", 1}, // malformed integer: that record is not applied
        {"A 1 2 A 3", 1},
        {"A 1 2 A 99999999999 5 A 7 8 !", 1},
        {"A 1 2 q 1 z A 7 8 !", 1},
        {"", 0},
        {"x 1 2 y -3 +4 A 5 6 !", 1},
    };
    for (const Case& c : cases) {
        ground_count = 0;
        std::istringstream in(c.text);
        read_level_records(in);
        EXPECT_EQ(ground_count, c.tiles) << c.text;
    }
}

TEST(LevelLoader, HoldsHugeCoordinatesToAMillion) {
    load_level_text("s 7000000 -8000000\np 2000000 -3000000\nA 5000000 -5000000\n!");
    EXPECT_EQ(level_width, 1000000);
    EXPECT_EQ(level_height, -1000000);
    EXPECT_EQ(player.x, 1000000);
    EXPECT_EQ(player.y, -1000000);
    EXPECT_EQ(ground_tiles[0].x, 1000000);
    EXPECT_EQ(ground_tiles[0].y, -1000000);
    EXPECT_EQ(ball.y, -1000100);
}

TEST(LevelLoader, DropsRecordsBeyondEachTablesCapacity) {
    load_level_text(repeated("A 1 2", 1001) + repeated("M 3 4", 101) + repeated("E 5 6", 600) +
                    repeated("G 7 8", 401) + repeated("D 9 10", 1001) + "p 77 88\n!");
    EXPECT_EQ(ground_count, 1000);
    EXPECT_EQ(mushroom_count, 100);
    EXPECT_EQ(block_count, 1000);
    EXPECT_EQ(blocks[999].kind, 1);
    EXPECT_EQ(spider_count, 1000);
    EXPECT_EQ(player.x, 77);  // reading goes on after the dropped records
}

TEST(LevelLoader, PlacesTheBallAboveTheStartAndTheViewOnTheBottomLeft) {
    reset_world();
    screen_height = 600;
    camera_x = 50;
    offset_x = -50;
    ball.vx = 1;
    ball.vy = -1;
    player.health = 3;
    level_done = 1;
    load_next_level_text("s 4000 1500\np 250 1300\n!", 3);
    EXPECT_EQ(ball.x, 250);
    EXPECT_EQ(ball.y, 1200);
    EXPECT_EQ(ball.home_x, 250);
    EXPECT_EQ(ball.home_y, 1200);
    EXPECT_EQ(ball.vx, 0);
    EXPECT_EQ(ball.vy, 0);
    EXPECT_EQ(camera_x, 0);
    EXPECT_EQ(offset_x, 0);
    EXPECT_EQ(view_bottom, 1500);
    EXPECT_EQ(offset_y, -900);
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(level_done, 0);
}

TEST(LevelLoader, LevelWithoutStartOrSizeKeepsThoseOfTheLevelBefore) {
    load_level_text("p 300 459\n!");
    EXPECT_EQ(level_width, 6000);
    EXPECT_EQ(level_height, 1000);
    load_next_level_text("s 2000 700\np 400 500\n!", 2);
    player.x = 420;  // walked
    player.lives = 0;
    load_next_level_text("A 1 2\n!", 3);
    EXPECT_EQ(level_width, 2000);
    EXPECT_EQ(level_height, 700);
    EXPECT_EQ(player.x, 420);
    EXPECT_EQ(player.respawn_x, 400);
    EXPECT_EQ(player.lives, 0);
    EXPECT_EQ(ball.x, 420);
    EXPECT_EQ(ball.y, 400);
}

TEST(LevelLoader, PlacesTheBossOnlyOnBossLevels) {
    load_level_text("p 300 459\n!", 4);
    boss.x = 900;
    boss.y = 700;
    boss.direction = 2;
    boss.fall_accum = 55;
    load_next_level_text("p 300 459\n!", 5);
    EXPECT_EQ(boss.x, 900);
    EXPECT_EQ(boss.y, 700);
    load_next_level_text("p 300 459\n!", 7);
    EXPECT_EQ(boss.x, 100);
    EXPECT_EQ(boss.y, 10);
    EXPECT_EQ(boss.direction, 2);
    EXPECT_EQ(boss.fall_accum, 55);
}

TEST(LevelLoader, LevelEightWrapsToTwoAndAMissingFileLoadsEmpty) {
    load_level_text("p 300 459\nA 1 2\nD 3 4\n!", 8);
    EXPECT_EQ(current_level, 2);
    EXPECT_EQ(ground_count, 1);

    load_next_level_text("p 300 459\nA 1 2\nD 3 4\n!", 5);
    std::remove("level5");
    player.health = 40;
    current_level = 5;
    load_level();
    EXPECT_EQ(ground_count, 0);
    EXPECT_EQ(spider_count, 0);
    EXPECT_EQ(ball.y, 359);
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(current_level, 5);
}

TEST(LevelLoader, StartsTheLevelsTuneOnlyWhereTheTableNamesOne) {
    start_tune = record_tune;
    tunes_started.clear();
    for (int level = 1; level <= 8; ++level) load_level_text("p 300 459\n!", level);
    start_tune = nullptr;
    EXPECT_EQ(tunes_started,
              (std::vector<std::string>{"SMWL1FZero.mid", "Yiboss2.mid", "tune3.mid", "tune3.mid",
                                        "Boss2.mid", "SMWL1FZero.mid"}));
}

// The level makers' tools play a file as the level it is named after, so a
// boss file keeps its boss wherever it lies; any other name plays as level 1.
TEST(LevelTable, AFileNameStandsForItsLevelWhateverTheFolder) {
    EXPECT_EQ(level_of_file_name("boss1"), 4);
    EXPECT_EQ(level_of_file_name("/tmp/my levels/boss2"), 7);
    EXPECT_EQ(level_of_file_name("./level5"), 5);
    EXPECT_EQ(level_of_file_name("boss1.keys"), 1);
    EXPECT_EQ(level_of_file_name("level1/"), 1);
    EXPECT_EQ(level_of_file_name(""), 1);
}

// A level maker on Windows names files with "\" and drives: the same file
// is the same level there as on Linux.
TEST(LevelTable, AWindowsPathStandsForTheLevelItsNameSays) {
    EXPECT_EQ(level_of_file_name("C:\\Users\\me\\levels\\boss1"), 4);
    EXPECT_EQ(level_of_file_name("levels\\level5"), 5);
    EXPECT_EQ(level_of_file_name("C:boss2"), 7);  // boss2 in drive C's current folder
    EXPECT_EQ(level_of_file_name("Z:/tmp/level3"), 3);
    EXPECT_EQ(level_of_file_name("C:\\levels\\"), 1);
    EXPECT_EQ(level_of_file_name("1:boss1"), 1);  // no drive: a Linux name with a colon
    EXPECT_EQ(file_name_of("D:\\a b\\level2"), "level2");
    EXPECT_EQ(file_name_of("x:"), "");
}
