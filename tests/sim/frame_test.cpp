// One frame: every update in its fixed order, each seeing what the ones
// before it wrote, then the drawing decision.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "sim/frame.h"
#include "support/level_text.h"
#include "world/world.h"

namespace {

std::vector<int> drawn_frames(int frames) {
    std::vector<int> drawn;
    held_keys = HeldKeys();
    for (int i = 1; i <= frames; ++i)
        if (run_frame()) drawn.push_back(i);
    return drawn;
}

}  // namespace

TEST(Frame, DrawsOneFrameInEveryFrameSkipPlusOneAcrossLevels) {
    load_level_text("p 300 300 !");
    frame_skip = 2;
    EXPECT_EQ(drawn_frames(7), (std::vector<int>{3, 6}));
    load_next_level_text("p 300 300 !", 2);  // the count goes on
    EXPECT_EQ(drawn_frames(5), (std::vector<int>{2, 5}));
    frame_skip = 0;
    EXPECT_EQ(drawn_frames(3), (std::vector<int>{1, 2, 3}));
    frame_skip = -4;
    EXPECT_EQ(drawn_frames(3), (std::vector<int>{1, 2, 3}));

    const int32_t most = std::numeric_limits<int32_t>::max();
    frame_skip = most;
    frame_skip_counter = most - 2;
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(count_frame_for_drawing());
    EXPECT_EQ(frame_skip_counter, most);  // held, never wrapped
}

TEST(Frame, MushroomTouchedInALandingFrameUndoesTheLanding) {
    // Falling from rest, the robot reaches the tile in frame 48 (moved to
    // 462, set on the top at 459); in its landed place it overlaps the
    // mushroom's top row, which it did not touch at 458 in frame 47.
    load_level_text("p 100 400\nA 100 500\nM 100 499\n!");
    run_frames(47, "U");
    EXPECT_EQ(player.y, 458);
    run_frames(1, "U");
    // thrown, and no jump started
    EXPECT_EQ((std::vector<int>{player.y, player.airborne, player.fall_accum, player.fall_step}),
              (std::vector<int>{459, 1, -100, 0}));
    run_frames(2);
    EXPECT_EQ(player.y, 450);  // rising at 9 from the second frame
}

TEST(Frame, BallMovesByTheVelocityABlockGaveItInTheSameFrame) {
    load_level_text("p 3000 300\nU 300 500\n!");
    ball.x = 300;
    ball.y = 533;
    ball.vy = -1;
    run_frames(2);
    EXPECT_EQ(ball.y, 531);  // overlapping since the end of frame 2
    run_frames(1);
    EXPECT_EQ((std::vector<int>{ball.y, ball.vy}), (std::vector<int>{532, 1}));
}

TEST(Frame, BallAndBossWinningTogetherAddTwoLevels) {
    load_level_text("p 5000 500\nA 5000 541\n!", 7);
    boss.y = 995;
    boss.airborne = 1;
    boss.fall_step = 9;
    boss.fall_accum = 120;
    ball.y = 0;
    ball.vy = -1;
    run_frames(1);
    EXPECT_EQ(level_done, 1);
    EXPECT_EQ(current_level, 9);
    load_next_level_text("p 300 300 !", 9);  // reads the file of level 2
    EXPECT_EQ(current_level, 2);
}

TEST(Frame, FrameThatEndsTheLevelOrTheGameStillRunsToItsEnd) {
    load_level_text("p 300 459\nA 300 500\n!");
    ball.y = 0;
    ball.vy = -1;
    run_frames(1, "R");
    EXPECT_EQ(level_done, 1);
    EXPECT_EQ(player.x, 302);

    load_level_text("p 300 459\nA 300 500\n!");
    player.x = 800;
    player.health = 0;
    run_frames(1, "L");
    EXPECT_EQ(game_over, 1);
    EXPECT_EQ(player.x, 298);  // respawned, then walked
}

TEST(Frame, RobotKeepsItsMotionAndFacingIntoTheNextLevel) {
    load_level_text("p 300 200 !");
    run_frames(120, "L");
    ASSERT_EQ(player.fall_step, 9);
    const Player before = player;
    player.health = 37;
    player.lives = 3;
    load_next_level_text("p 700 100 !", 2);
    EXPECT_EQ((std::vector<int>{player.x, player.y, player.respawn_x, player.respawn_y, player.health,
                                player.lives}),
              (std::vector<int>{700, 100, 700, 100, 100, 1}));
    EXPECT_EQ((std::vector<int>{player.fall_step, player.fall_accum, player.step_counter,
                                player.airborne, player.facing}),
              (std::vector<int>{before.fall_step, before.fall_accum, before.step_counter, 1, 2}));
    run_frames(1);
    EXPECT_EQ(player.y, 109);
}
