// The robot: falling, jumping, standing, the side bounds of the level,
// walking, death and the end of the game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/frame.h"
#include "sim/vertical_model.h"
#include "support/level_text.h"
#include "world/world.h"

namespace {

std::string floor_row(int top) {
    std::string text;
    for (int x = 0; x < 6000; x += 32) text += "A " + std::to_string(x) + " " + std::to_string(top) + "\n";
    return text;
}

// The change of y in each of `frames` frames.
std::vector<int> y_steps(int frames, const char* keys = "") {
    std::vector<int> steps;
    for (int i = 0; i < frames; ++i) {
        int before = player.y;
        run_frames(1, keys);
        steps.push_back(player.y - before);
    }
    return steps;
}

std::vector<int> runs(std::initializer_list<std::pair<int, int>> step_times) {
    std::vector<int> out;
    for (auto [step, times] : step_times) out.insert(out.end(), times, step);
    return out;
}

}  // namespace

TEST(Player, FallsFromRestWithStepsOfTwoFourSixEightThenNine) {
    load_level_text("p 100 100 !");
    EXPECT_EQ(y_steps(132), runs({{0, 22}, {2, 21}, {4, 21}, {6, 21}, {8, 7}, {9, 40}}));
}

TEST(Player, StandingRobotIsLandedAgainEveryTwentyTwoFrames) {
    // On its tile from the start: the refresh of frame 22 sinks it 2
    // pixels in frame 23, where the tile sets it back.
    load_level_text("p 100 459\n" + floor_row(500) + "!");
    std::vector<int> landings;
    for (int frame = 1; frame <= 120; ++frame) {
        run_frames(1);
        if (player.airborne == 0) landings.push_back(frame);
        ASSERT_EQ(player.y, 459) << "frame " << frame;
    }
    EXPECT_EQ(landings, (std::vector<int>{23, 45, 67, 89, 111}));
}

TEST(Player, JumpFollowsTheArcAndLandsAfter138Frames) {
    load_level_text("p 100 459\n" + floor_row(500) + "!");
    run_frames(100, "R");  // out from under the ball
    int waited = 0;  // Up held: the jump starts in the next landing frame, J
    while (player.fall_accum != player.jump_accum) {
        run_frames(1, "U");
        ASSERT_LT(++waited, 23) << "no landing frame to jump in";
    }
    EXPECT_EQ(player.step_counter, 30);
    EXPECT_EQ(player.fall_step, 0);
    // J+1 .. J+137: the top, 189 above, in J+64; 6 a frame from J+128
    std::vector<int> steps = y_steps(137, "U");
    EXPECT_EQ(steps, runs({{0, 1}, {-5, 21}, {-3, 21}, {-1, 21}, {0, 21}, {2, 21}, {4, 21}, {6, 10}}));
    int rise = 0;
    for (int i = 0; i < 64; ++i) rise -= steps[i];
    EXPECT_EQ(rise, 189);
    run_frames(1, "U");  // J+138: lands and, with Up still held, jumps again
    EXPECT_EQ(player.y, 459);
    EXPECT_EQ(player.fall_accum, -60);
}

TEST(Player, JumpKeyWhileAirborneIsNotQueued) {
    load_level_text("p 100 459\n" + floor_row(500) + "!");
    run_frames(150, "R");  // landings in frames 23, 45, ..., 133, 155
    run_frames(4, "U");    // frames 151 to 154: airborne in all of them
    EXPECT_EQ(player.fall_accum, 20);
    run_frames(1);  // the landing frame, key released
    EXPECT_EQ(player.airborne, 0);
    run_frames(30);
    EXPECT_EQ(player.y, 459);
}

TEST(Player, LeftEdgeJittersBetweenOneAndMinusOne) {
    load_level_text("p 2 459\n" + floor_row(500) + "!");
    std::vector<int> xs;
    for (int i = 0; i < 5; ++i) {
        run_frames(1, "L");
        xs.push_back(player.x);
    }
    EXPECT_EQ(xs, (std::vector<int>{0, -2, -1, -1, -1}));
    run_frames(2);
    EXPECT_EQ(player.x, 1);
}

TEST(Player, RightEdgeHoldsTheRobotAt5971AndTheWalkShows5973) {
    load_level_text("p 5960 459\n" + floor_row(500) + "!");
    std::vector<int> xs;
    for (int i = 0; i < 8; ++i) {
        run_frames(1, "R");
        xs.push_back(player.x);
    }
    EXPECT_EQ(xs, (std::vector<int>{5962, 5964, 5966, 5968, 5970, 5972, 5973, 5973}));
    run_frames(1);
    EXPECT_EQ(player.x, 5971);
}

TEST(Player, OpposedOrDoubledWalkInputsMoveAtMostOnce) {
    load_level_text("p 1000 459\n" + floor_row(500) + "!");
    run_frames(10, "LR");
    EXPECT_EQ(player.x, 1000);
    EXPECT_EQ(player.facing, 2);
    held_keys = HeldKeys();
    held_keys.right = held_keys.joy_right = 1;
    run_frame();
    EXPECT_EQ(player.x, 1002);
    EXPECT_EQ(player.facing, 1);
}

TEST(Player, ZeroHealthRespawnsKeepingTheFallAndEndsTheLastLife) {
    load_level_text("p 300 200 !");
    run_frames(120);  // falling at 9 by now
    camera_x = 40;
    offset_x = -40;
    player.health = 0;
    player.lives = 2;
    run_frames(1);
    // the respawn point, then this frame's fall
    EXPECT_EQ((std::vector<int>{player.x, player.y, player.health, player.lives, player.fall_step}),
              (std::vector<int>{300, 209, 100, 1, 9}));
    EXPECT_EQ(camera_x, 0);
    EXPECT_EQ(offset_x, 0);
    EXPECT_EQ(game_over, 0);
    player.health = 1;
    run_frames(1);
    EXPECT_EQ(player.lives, 1);
    player.health = -7;
    run_frames(1);
    EXPECT_EQ(player.lives, 0);
    EXPECT_EQ(game_over, 1);
    EXPECT_EQ(level_done, 1);
}

TEST(Player, EndlessFallIsHeldAtTheFarLimit) {
    load_level_text("p 300 200 !");
    run_frames(200);
    player.y = kFarLimit - 20;
    player.fall_accum = kFarLimit - 3;
    run_frames(10);
    EXPECT_EQ(player.y, kFarLimit);
    EXPECT_GT(player.fall_accum, 0);
    EXPECT_LE(player.fall_accum, kFarLimit);
    EXPECT_EQ(player.fall_step, 9);
}
