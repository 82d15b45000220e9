// The ball: headed by the robot, it flies at one pixel per frame, turns at
// the level's sides, wins the level out of the top and costs health out of
// the bottom.
#include <gtest/gtest.h>

#include <vector>

#include "support/level_text.h"
#include "world/world.h"

namespace {

void place_ball(int x, int y, int vx = 0, int vy = 0) {
    ball.x = x;
    ball.y = y;
    ball.vx = vx;
    ball.vy = vy;
}

}  // namespace

TEST(Ball, HeadingSendsItAwayFromTheSideOfTheHeadAndATieLeavesIt) {
    load_level_text("p 300 300 !");
    struct Case {
        int x, y, vx, vy;
    } cases[] = {
        {299, 280, 0, 0},    // centre offset 14 = half the robot: a tie
        {298, 280, -1, -1},
        {300, 280, 1, -1},
        {300, 313, 0, 0},    // top at the third of the robot: not a head
        {300, 312, 1, -1},
        {329, 280, 0, 0},    // left edge on the robot's right edge
        {269, 280, 0, 0},    // right edge on the robot's left edge
        {270, 280, -1, -1},
    };
    for (const Case& c : cases) {
        place_ball(c.x, c.y);
        ball.update();
        EXPECT_EQ((std::vector<int>{ball.vx, ball.vy}), (std::vector<int>{c.vx, c.vy}))
            << "ball at " << c.x << "," << c.y;
    }
    place_ball(299, 280, 1, -1);  // a tie keeps a flying ball's velocity too
    ball.update();
    EXPECT_EQ((std::vector<int>{ball.vx, ball.vy}), (std::vector<int>{1, -1}));
}

TEST(Ball, HeadingTurnsOnlyARisingRobotToFall) {
    load_level_text("p 300 300 !");
    struct Case {
        int airborne, fall_accum, turned_accum, step_counter;
    } cases[] = {{1, -30, 30, 30}, {0, -30, -30, 4}, {1, 0, 0, 4}};
    for (const Case& c : cases) {
        player.airborne = c.airborne;
        player.fall_accum = c.fall_accum;
        player.fall_step = -3;
        player.step_counter = 4;
        place_ball(300, 280);
        ball.update();
        EXPECT_EQ((std::vector<int>{player.fall_accum, player.step_counter, player.fall_step}),
                  (std::vector<int>{c.turned_accum, c.step_counter, -3}));
    }
}

TEST(Ball, TurnsAtTheLevelSidesWithTheRightSideWinningATie) {
    load_level_text("p 3000 300 !");
    struct Case {
        int x, vx, turned_vx;
    } cases[] = {{1, -1, 1}, {2, -1, -1}, {5968, 1, -1}, {5967, 1, 1}};  // after moving
    for (const Case& c : cases) {
        place_ball(c.x, 100, c.vx, -1);
        ball.update();
        EXPECT_EQ(ball.vx, c.turned_vx) << "from " << c.x;
    }
    load_level_text("s 20 1000\np 0 300 !");  // narrower than the ball
    ball.update();
    EXPECT_EQ(ball.vx, -1);
}

TEST(Ball, WinsOnlyOnceItsTopIsAboveTheLevel) {
    load_level_text("p 3000 300 !", 3);
    place_ball(500, 1, 1, -1);
    ball.update();
    EXPECT_EQ(ball.y, 0);
    EXPECT_EQ(level_done, 0);
    ball.update();
    EXPECT_EQ(level_done, 1);
    EXPECT_EQ(current_level, 4);
}

TEST(Ball, LostOnlyBelowTheLevelAndCostsTenHealthAndTheRobotsPlace) {
    load_level_text("p 300 300\nA 300 341\n!");
    run_frames(50, "R");
    player.airborne = 1;
    player.fall_step = 6;
    player.fall_accum = 63;
    player.step_counter = 5;
    camera_x = 40;
    offset_x = -40;
    int bottom = view_bottom;
    place_ball(1000, 999, 1, 1);
    ball.update();
    EXPECT_EQ(ball.y, 1000);
    EXPECT_EQ(player.health, 100);
    ball.update();
    EXPECT_EQ((std::vector<int>{ball.x, ball.y, ball.vx, ball.vy}), (std::vector<int>{300, 200, 0, 0}));
    EXPECT_EQ((std::vector<int>{player.health, player.x, player.y, camera_x, offset_x}),
              (std::vector<int>{90, 300, 300, 0, 0}));
    EXPECT_EQ(view_bottom, bottom);
    EXPECT_EQ((std::vector<int>{player.fall_step, player.fall_accum, player.step_counter, player.lives}),
              (std::vector<int>{6, 63, 5, 1}));

    player.health = 10;  // the next update deals with the health it leaves
    place_ball(1000, 1001, 0, 1);
    run_frames(1);
    EXPECT_EQ(player.health, 0);
    EXPECT_EQ(game_over, 0);
    run_frames(1);
    EXPECT_EQ(game_over, 1);
}
