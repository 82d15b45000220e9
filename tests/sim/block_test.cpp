// Blocks: moving blocks slide, present blocks bounce the ball, hold and
// push the robot, and on the boss levels the breakable ones hold the boss.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/level_text.h"
#include "world/world.h"

namespace {

void place_ball(int x, int y) {
    ball.x = x;
    ball.y = y;
    ball.vx = 0;
    ball.vy = 0;
}

void place_robot(int x, int y, int fall_accum) {
    player.x = x;
    player.y = y;
    player.airborne = 1;
    player.fall_accum = fall_accum;
    player.fall_step = fall_accum / 10;
    player.step_counter = 7;
}

// x, y, fall_step, fall_accum, step_counter, airborne
std::vector<int> motion() {
    return {player.x, player.y, player.fall_step, player.fall_accum, player.step_counter,
            player.airborne};
}

}  // namespace

TEST(Block, MovingBlockTurnsOnePixelBeyondEitherEdge) {
    load_level_text("p 100 900\nG 5935 100\n!");
    Block& block = blocks[0];
    std::vector<int> xs, vxs;
    for (int i = 0; i < 3; ++i) {
        block.update();
        xs.push_back(block.x);
        vxs.push_back(block.vx);
    }
    EXPECT_EQ(xs, (std::vector<int>{5936, 5937, 5936}));  // right edge 6000 keeps going
    EXPECT_EQ(vxs, (std::vector<int>{1, -1, -1}));
    block.x = 0;
    block.update();
    EXPECT_EQ(block.x, -1);
    EXPECT_EQ(block.vx, 1);
}

TEST(Block, FixedBlockReusingAMovingEntryStaysStill) {
    load_level_text("p 100 900\nG 500 100\n!");
    load_next_level_text("p 100 900\nU 500 100\n!", 2);
    EXPECT_EQ(blocks[0].vx, 1);
    run_frames(5);
    EXPECT_EQ(blocks[0].x, 500);
}

TEST(Block, BallBouncesOnlyOffTheSidesItMeetsWithinTheNarrowedSpan) {
    load_level_text("p 3000 900\nU 200 200\n!");
    struct Case {
        int x, y, vx, vy;
    } cases[] = {
        {170, 175, -1, 0},   // only the block's outermost column: no vertical bounce
        {171, 175, -1, -1},  // top-left corner
        {231, 175, 1, 0},    // only the outermost right column
        {215, 178, 0, 0},    // bottom 10 pixels into the top: no bounce at all
        {215, 177, 0, -1},   // 9 pixels into the top
        {215, 223, 0, 1},    // top 9 pixels into the bottom
        {215, 222, 0, 0},
        {175, 169, 0, -1},   // only the topmost row: no horizontal bounce
        {175, 170, -1, -1},
        {168, 175, 0, 0},    // edge to edge: no overlap
    };
    for (const Case& c : cases) {
        place_ball(c.x, c.y);
        blocks[0].update();
        EXPECT_EQ((std::vector<int>{ball.x, ball.vx, ball.vy}), (std::vector<int>{c.x, c.vx, c.vy}))
            << "ball at " << c.x << "," << c.y;
    }
}

TEST(Block, BreakableBlockStillActsInTheFrameItBreaks) {
    load_level_text("p 300 900\nE 300 500\n!", 4);
    auto set_scene = [] {
        place_ball(300, 477);  // bottom edge 9 pixels into the top
        place_robot(300, 462, 20);
        boss.y = 370;
    };
    set_scene();
    boss.airborne = 1;
    boss.fall_accum = 40;
    boss.fall_step = 4;
    boss.step_counter = 9;
    blocks[0].update();
    EXPECT_EQ(blocks[0].present, 0);
    EXPECT_EQ(ball.vy, -1);
    EXPECT_EQ(motion(), (std::vector<int>{300, 459, 0, 0, 7, 0}));
    EXPECT_EQ((std::vector<int>{boss.y, boss.airborne, boss.fall_accum, boss.fall_step, boss.step_counter}),
              (std::vector<int>{367, 0, 0, 0, 9}));
    set_scene();  // gone from the next frame on
    blocks[0].update();
    EXPECT_EQ(ball.vy, 0);
    EXPECT_EQ(player.y, 462);
    EXPECT_EQ(boss.y, 370);
}

TEST(Block, OnlyBreakableBlocksOnBossLevelsHoldTheBoss) {
    struct Case {
        const char* blocks;
        int level, boss_y, held_y;
    } cases[] = {
        {"U 300 500\nG 300 500\n", 7, 370, 370},
        {"E 300 500\n", 6, 370, 370},
        {"E 300 500\n", 7, 434, 434},  // centre line on the top, not above it
        {"E 300 500\n", 7, 433, 367},
    };
    for (const Case& c : cases) {
        load_level_text(std::string("p 3000 900\n") + c.blocks + "!", c.level);
        boss.y = c.boss_y;
        for (int i = 0; i < block_count; ++i) blocks[i].update();
        EXPECT_EQ(boss.y, c.held_y) << c.blocks << " on level " << c.level;
    }
}

TEST(Block, BlockLandsTheRobotWhetherRisingOrFalling) {
    load_level_text("p 3000 900\nU 300 500\n!");
    place_robot(300, 479, -30);  // rising, centre line 1 above the top
    blocks[0].update();
    EXPECT_EQ(motion(), (std::vector<int>{300, 459, 0, 0, 7, 0}));
    place_robot(300, 480, 30);  // centre line on the top: no landing
    blocks[0].update();
    EXPECT_EQ(player.y, 480);
}

TEST(Block, SidesPushTheRobotBackOnlyWithinTheirOuterNinePixels) {
    load_level_text("p 3000 900\nU 300 480\n!");
    struct Case {
        int x, expected_x;
    } cases[] = {{280, 278}, {282, 282}, {271, 271}, {323, 325}, {321, 321}};
    for (const Case& c : cases) {
        place_robot(c.x, 470, 5);
        blocks[0].update();
        EXPECT_EQ(player.x, c.expected_x) << "from " << c.x;
    }
    place_robot(275, 442, 20);  // set on the very edge of the top, then pushed off
    blocks[0].update();
    EXPECT_EQ(player.y, 439);
    EXPECT_EQ(player.x, 273);
}

TEST(Block, HeadBumpNegatesTheVerticalMotionWhateverItsSign) {
    load_level_text("p 3000 900\nU 300 400\n!");
    place_robot(300, 423, -30);  // top 9 pixels into the bottom
    blocks[0].update();
    EXPECT_EQ(motion(), (std::vector<int>{300, 433, -3, 30, 30, 1}));
    player.update();  // the next update turns the rise into a fall
    EXPECT_EQ(player.y, 430);
    EXPECT_EQ(player.fall_step, 3);
    place_robot(300, 423, 12);
    blocks[0].update();
    EXPECT_EQ(player.fall_accum, -12);
    place_robot(300, 422, -30);  // 10 pixels in: no bump
    blocks[0].update();
    EXPECT_EQ(player.y, 422);
    EXPECT_EQ(player.fall_accum, -30);
}
