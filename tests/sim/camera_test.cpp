// The view: it follows the robot up and down once per frame and sideways
// while it walks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/camera.h"
#include "support/level_text.h"
#include "world/world.h"

namespace {

std::string floor_row(int top, int to = 6000) {
    std::string text;
    for (int x = 0; x < to; x += 32)
        text += "A " + std::to_string(x) + " " + std::to_string(top) + "\n";
    return text;
}

int view_centre_below_player() {
    return (view_bottom - screen_height / 2) - (player.y + player.height / 2);
}

void expect_partners_agree() {
    EXPECT_EQ(offset_x, -camera_x);
    EXPECT_EQ(offset_y + view_bottom, screen_height);
}

}  // namespace

TEST(Camera, ReachesAStandingRobotFromTheLevelBottomIn130Frames) {
    load_level_text("p 100 480\n" + floor_row(521) + "!");  // centre line at 500
    EXPECT_EQ(offset_y, -520);
    run_frames(129);
    EXPECT_EQ(view_bottom, 742);
    run_frames(1);
    EXPECT_EQ(view_bottom, 740);
    run_frames(100);  // through the standing cycle the view stays put
    EXPECT_EQ(view_bottom, 740);
    expect_partners_agree();
}

TEST(Camera, CentreLineLevelWithTheViewCountsAsAbove) {
    // view centre line 500 = player centre line: up by a walk step, then
    // down by the robot's fall step
    load_level_text("p 100 480 !");
    view_bottom = 740;
    offset_y = -260;
    player.airborne = 1;
    player.fall_step = 1;
    scroll_vertical();
    EXPECT_EQ(view_bottom, 739);
    player.y = 479;
    player.fall_step = 0;  // standing: up 2, down 2
    scroll_vertical();
    EXPECT_EQ(view_bottom, 739);
    expect_partners_agree();
}

TEST(Camera, StopsAtTheTopAndNeverMovesInALevelNoHigherThanTheScreen) {
    load_level_text("p 100 60\n" + floor_row(101) + "!");
    run_frames(400);
    EXPECT_EQ(view_bottom, 480);
    EXPECT_EQ(offset_y, 0);

    load_level_text("s 6000 400\np 100 200\n" + floor_row(241) + "!");
    run_frames(100);
    EXPECT_EQ(view_bottom, 400);
    EXPECT_EQ(offset_y, 80);
}

TEST(Camera, FollowsAJumpAtTheDistancesOfEachRun) {
    load_level_text("p 100 459\n" + floor_row(500) + "!");
    run_frames(200, "R");  // away from the ball; the view settles meanwhile
    int waited = 0;
    while (player.fall_accum != -60) {
        run_frames(1, "U");
        ASSERT_LT(++waited, 23);
    }
    EXPECT_EQ(view_centre_below_player(), 1);  // at take-off, frame J
    int at[139];  // at the end of frames J+1 .. J+138
    for (int n = 1; n <= 138; ++n) {
        run_frames(1);
        at[n] = view_centre_below_player();
    }
    // the -5, -3 and -1 runs, the hang, the +2, +4 and +6 runs, landed
    EXPECT_EQ((std::vector<int>{at[10], at[30], at[50], at[70], at[95], at[115], at[135], at[138]}),
              (std::vector<int>{0, 2, 4, 1, 1, 3, 5, 0}));
    expect_partners_agree();
}

TEST(Camera, OvershootsTheBottomOrTopByLessThanOneStepAndStays) {
    load_level_text("p 300 300 !");
    view_bottom = 998;
    offset_y = 480 - 998;
    player.y = 900;
    player.airborne = 1;
    player.fall_step = 9;
    player.fall_accum = 120;
    run_frames(1);
    EXPECT_EQ(view_bottom, 1007);
    EXPECT_EQ(offset_y, -527);
    run_frames(5);
    EXPECT_EQ(view_bottom, 1007);

    load_level_text("p 300 300 !");
    view_bottom = 482;
    offset_y = -2;
    player.y = 100;
    player.airborne = 1;
    player.fall_step = -5;
    player.fall_accum = -50;
    run_frames(1);
    EXPECT_EQ(view_bottom, 477);
    EXPECT_EQ(offset_y, 3);
    run_frames(3);
    EXPECT_EQ(view_bottom, 477);
}

TEST(Camera, WalkingHoldsTheRobotAtColumn320Or319) {
    load_level_text("p 100 459\n" + floor_row(500) + "!");
    run_frames(110, "R");  // x 320: not yet right of column 320
    EXPECT_EQ(camera_x, 0);
    run_frames(90, "R");
    EXPECT_EQ(player.x, 500);
    EXPECT_EQ(camera_x, 180);
    run_frames(50, "L");
    EXPECT_EQ(player.x - camera_x, 320);
    run_frames(200, "L");
    EXPECT_EQ(camera_x, 0);
    EXPECT_EQ(player.x, 0);
    expect_partners_agree();

    load_level_text("p 101 459\n" + floor_row(500) + "!");
    run_frames(200, "R");
    EXPECT_EQ(player.x - camera_x, 319);
}

TEST(Camera, StopsOnTheRightAtTheFirstStepNotBelowTheLastView) {
    load_level_text("p 100 459\n" + floor_row(500) + "!");
    run_frames(3000, "R");
    EXPECT_EQ(camera_x, 5360);
    load_level_text("s 6001 1000\np 100 459\n" + floor_row(500) + "!");
    run_frames(3000, "R");
    EXPECT_EQ(camera_x, 5362);
    load_level_text("s 640 1000\np 100 459\n" + floor_row(500, 640) + "!");
    run_frames(400, "R");
    EXPECT_EQ(camera_x, 0);
}

TEST(Camera, BlockPushDoesNotScrollAndRespawnResetsOnlyTheHorizontal) {
    load_level_text("p 100 459\n" + floor_row(500) + "U 700 459\n!");
    // Held at the block's side: each frame the block pushes the robot back 2
    // and the walk moves it on 2; the walks scroll until its column is 320.
    run_frames(400, "R");
    EXPECT_EQ(player.x, 672);
    EXPECT_EQ(camera_x, 352);
    run_frames(1);  // the push alone
    EXPECT_EQ(player.x, 670);
    EXPECT_EQ(camera_x, 352);
    int bottom = view_bottom;
    player.health = 0;
    player.lives = 2;
    run_frames(1);
    EXPECT_EQ(camera_x, 0);
    EXPECT_EQ(view_bottom, bottom);
    expect_partners_agree();
}
