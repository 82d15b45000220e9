// The boss of levels 4 and 7, and the falling spider of levels 4, 6 and 7.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/level_text.h"
#include "world/world.h"

namespace {

const std::string kFarRobot = "p 5000 500\nA 5000 541\n!";

}  // namespace

TEST(Boss, FallsFromRestAndLeavesTheLevelInFrame168) {
    load_level_text(kFarRobot, 4);
    std::vector<int> steps;
    for (int frame = 1; frame <= 167; ++frame) {
        run_frames(1);
        if (frame == 21 || frame == 22 || frame == 43 || frame == 64 || frame == 85 ||
            frame == 91 || frame == 92)
            steps.push_back(boss.fall_step);
    }
    EXPECT_EQ(steps, (std::vector<int>{0, 2, 4, 6, 8, 8, 9}));
    EXPECT_EQ(boss.y, 993);
    EXPECT_EQ(level_done, 0);
    run_frames(1);
    EXPECT_EQ((std::vector<int>{boss.x, boss.y, level_done, current_level}),
              (std::vector<int>{436, 1002, 1, 5}));
}

TEST(Boss, TurnsAtTheLevelSidesWithLeftWinningATie) {
    load_level_text(kFarRobot, 7);
    struct Case {
        int x, direction, turned, walked_x;
    } cases[] = {{0, 2, 1, 2}, {5720, 1, 2, 5718}, {1, 2, 2, -1}, {-1, 2, 1, 1}, {50, 3, 3, 50}};
    for (const Case& c : cases) {
        boss.x = c.x;
        boss.direction = c.direction;
        boss.update();
        EXPECT_EQ((std::vector<int>{boss.direction, boss.x}), (std::vector<int>{c.turned, c.walked_x}));
    }
    load_level_text("s 200 1000\n" + kFarRobot, 7);
    boss.x = 0;
    boss.update();
    EXPECT_EQ(boss.direction, 2);
}

TEST(Boss, DrainsOneHealthPerFrameOfContactAtItsNewXAndOldY) {
    load_level_text(kFarRobot, 4);
    player.x = 200;
    player.y = 50;
    for (int i = 0; i < 10; ++i) boss.update();
    EXPECT_EQ(player.health, 90);
    struct Case {
        int player_x, player_y, boss_fall_step, health;
    } cases[] = {
        {381, 50, 0, 89},   // right of the boss until its walk to 102
        {200, 143, 5, 90},  // below the boss's bottom edge until its fall
    };
    for (const Case& c : cases) {
        player.health = 90;
        boss.x = 100;
        boss.y = 10;
        boss.fall_step = c.boss_fall_step;
        player.x = c.player_x;
        player.y = c.player_y;
        boss.update();
        EXPECT_EQ(player.health, c.health);
    }
}

TEST(Boss, LeavesTheLevelOnlyOncePastItsBottomAndActsOnlyOnBossLevels) {
    load_level_text(kFarRobot, 7);
    boss.y = 991;
    boss.airborne = 1;
    boss.fall_step = 9;
    boss.fall_accum = 150;
    boss.update();
    EXPECT_EQ(boss.y, 1000);
    EXPECT_EQ(level_done, 0);
    boss.update();
    EXPECT_EQ(level_done, 1);
    EXPECT_EQ(current_level, 8);

    load_level_text(kFarRobot, 3);
    run_frames(100);
    EXPECT_EQ((std::vector<int>{boss.x, boss.y, boss.fall_accum}), (std::vector<int>{100, 10, 0}));
}

TEST(Boss, StandsOnlyOnABreakableBlockAndFallsOnceTheBallBreaksIt) {
    // 400 wide: the boss walks between x 0 and 120, always over the block.
    const std::string level = "s 400 1000\np 380 900\nA 370 941\n";
    load_level_text(level + "U 200 300\n!", 4);
    run_frames(168);
    EXPECT_EQ(level_done, 1);  // fell through the fixed block

    load_level_text(level + "E 200 300\n!", 4);
    run_frames(400);
    EXPECT_EQ(level_done, 0);
    for (int i = 0; boss.y != 169; ++i) {  // sunk 2 by a refresh
        ASSERT_LT(i, 30);
        run_frames(1);
    }
    run_frames(1);  // set down again: its counters stand still
    EXPECT_EQ((std::vector<int>{boss.y, boss.fall_accum}), (std::vector<int>{167, 0}));
    ball.x = 200;  // into the block: it breaks in the next block pass
    ball.y = 310;
    run_frames(1);
    EXPECT_EQ(blocks[0].present, 0);
    EXPECT_EQ(boss.y, 167);  // still held in the frame it broke
    run_frames(200);
    EXPECT_EQ(level_done, 1);
    EXPECT_EQ(current_level, 5);
}

TEST(Boss, MotionAndDirectionCarryIntoTheNextBossLevel) {
    load_level_text("s 400 1000\n" + kFarRobot, 4);
    run_frames(168);
    ASSERT_EQ(level_done, 1);
    EXPECT_EQ((std::vector<int>{boss.x, boss.direction}), (std::vector<int>{44, 2}));
    int fall_accum = boss.fall_accum;
    load_next_level_text(kFarRobot, 7);
    EXPECT_EQ((std::vector<int>{boss.x, boss.y, boss.fall_step, boss.fall_accum}),
              (std::vector<int>{100, 10, 9, fall_accum}));
    run_frames(1);
    EXPECT_EQ((std::vector<int>{boss.x, boss.y}), (std::vector<int>{98, 19}));
}

TEST(FallingSpider, RainsOnLevel6InColumnsFrom100To620) {
    load_level_text("s 6000 200\np 3000 150\nA 3000 191\n!", 6);
    std::vector<int> columns{falling_spider.x};
    for (int i = 0; i < 1200; ++i) {
        run_frames(1);
        if (falling_spider.x != columns.back()) {
            columns.push_back(falling_spider.x);
            EXPECT_EQ(falling_spider.y, 0);
        }
    }
    EXPECT_EQ(columns, (std::vector<int>{100, 165, 230, 295, 360, 425, 490, 555, 620, 100, 165, 230}));
    falling_spider.x = 575;
    falling_spider.alive = 0;
    falling_spider.update();
    EXPECT_EQ(falling_spider.x, 640);  // exactly 640 keeps the column
    falling_spider.alive = 0;
    falling_spider.update();
    EXPECT_EQ(falling_spider.x, 100);
}

TEST(FallingSpider, StompedOnLevel6ItComesBackAtOnceOnBossLevelsAFrameLater) {
    auto drop_onto_robot = [] {
        falling_spider.x = 100;
        falling_spider.y = 498;  // 500 after its fall, 3 pixels into the robot
        falling_spider.alive = 1;
        player.x = 100;
        player.y = 462;
        falling_spider.update();
        EXPECT_EQ(player.y, 452);
    };
    auto spider = [] {
        return std::vector<int>{falling_spider.x, falling_spider.y, falling_spider.alive};
    };
    load_level_text(kFarRobot, 6);
    drop_onto_robot();
    EXPECT_EQ(spider(), (std::vector<int>{165, 0, 1}));

    load_level_text(kFarRobot, 4);
    boss.x = 1000;
    boss.y = 600;
    drop_onto_robot();
    EXPECT_EQ(spider(), (std::vector<int>{100, 500, 0}));
    falling_spider.update();
    EXPECT_EQ(spider(), (std::vector<int>{1140, 733, 1}));
}

TEST(FallingSpider, RespawnsUnderTheBossAsTheLastFrameLeftIt) {
    load_level_text(kFarRobot, 7);
    falling_spider.y = 997;
    run_frames(1);  // 999: still in the level; the boss walks to 102
    EXPECT_EQ(falling_spider.y, 999);
    run_frames(1);  // 1001: under the boss at 102, before its walk to 104
    EXPECT_EQ((std::vector<int>{falling_spider.x, falling_spider.y}), (std::vector<int>{242, 143}));
}

TEST(FallingSpider, IsStillOnOtherLevelsAndCarriesOverEveryLevelChange) {
    load_level_text("s 6000 200\np 3000 150\nA 3000 191\n!", 6);
    run_frames(130);  // column 165, 29 frames down
    EXPECT_EQ((std::vector<int>{falling_spider.x, falling_spider.y}), (std::vector<int>{165, 58}));
    load_next_level_text(kFarRobot, 5);
    run_frames(50);
    EXPECT_EQ((std::vector<int>{falling_spider.x, falling_spider.y}), (std::vector<int>{165, 58}));
    load_next_level_text(kFarRobot, 7);
    run_frames(1);
    EXPECT_EQ((std::vector<int>{falling_spider.x, falling_spider.y}), (std::vector<int>{165, 60}));
}
