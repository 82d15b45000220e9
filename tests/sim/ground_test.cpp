// Ground tiles land the robot, mushrooms throw it up, spiders hurt it or
// are stomped.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "support/level_text.h"
#include "world/world.h"

namespace {

std::string floor_row(int top) {
    std::string text;
    for (int x = 0; x < 6000; x += 32)
        text += "A " + std::to_string(x) + " " + std::to_string(top) + "\n";
    return text;
}

// The robot in mid-air at (x, y), falling slowly.
void place_robot(int x, int y, int fall_accum = 5) {
    player.x = x;
    player.y = y;
    player.airborne = 1;
    player.fall_accum = fall_accum;
    player.fall_step = 1;
    player.step_counter = 7;
}

// x, y, fall_step, fall_accum, step_counter, airborne
std::vector<int> motion() {
    return {player.x, player.y, player.fall_step, player.fall_accum, player.step_counter,
            player.airborne};
}

}  // namespace

TEST(Ground, TileLandsOnlyAFallingRobotWhoseCentreIsAboveItsTop) {
    load_level_text("p 3000 0\nA 100 500\n!");
    GroundTile& tile = ground_tiles[0];
    struct Case {
        int x, y, fall_accum, airborne;
    } misses[] = {
        {100, 459, 5, 1},  // bottom edge on the top: no contact
        {71, 470, 5, 1},   // right edge on the left side
        {100, 460, 0, 1},  // fall_accum 0
        {100, 480, 5, 1},  // centre line exactly on the top
        {100, 470, 5, 0},  // already landed this frame
    };
    for (const Case& c : misses) {
        place_robot(c.x, c.y, c.fall_accum);
        player.airborne = c.airborne;
        tile.update();
        EXPECT_EQ(motion(), (std::vector<int>{c.x, c.y, 1, c.fall_accum, 7, c.airborne}));
    }
    place_robot(72, 479);  // one column of overlap, centre line 1 above
    tile.update();
    EXPECT_EQ(motion(), (std::vector<int>{72, 459, 0, 0, 7, 0}));
}

TEST(Ground, FirstOverlappingTileInTableOrderDecides) {
    for (auto [first, second, landed] : {std::tuple{505, 495, 464}, {495, 505, 454}}) {
        load_level_text("p 3000 0\nA 100 " + std::to_string(first) + "\nA 100 " +
                        std::to_string(second) + "\n!");
        place_robot(100, 470);
        for (int i = 0; i < ground_count; ++i) ground_tiles[i].update();
        EXPECT_EQ(player.y, landed);
    }
}

TEST(Ground, WalkingRobotStepsUpTwentyPixelsWithinThreeFramesButNotTwentyOne) {
    for (int delay = 0; delay < 22; ++delay) {  // every phase of the standing cycle
        load_level_text("p 100 459\n" + floor_row(500) + "A 300 480\n!");
        run_frames(delay);
        for (int i = 0; player.x + player.width <= 300; ++i) {
            ASSERT_LT(i, 200);
            run_frames(1, "R");
        }
        int after = 0;
        while (player.y != 439 && after < 5) {
            run_frames(1, "R");
            ++after;
        }
        EXPECT_TRUE(after >= 1 && after <= 3) << "delay " << delay << ": " << after;
    }
    load_level_text("p 100 459\n" + floor_row(500) + "A 300 479\n!");
    for (int i = 0; i < 250; ++i) {
        run_frames(1, "R");
        ASSERT_EQ(player.y, 459) << "frame " << i + 1;
    }
}

TEST(Ground, WalkingThroughASpiderCosts47Or46Health) {
    load_level_text("p 100 459\n" + floor_row(500) + "D 300 469\n!");
    run_frames(200, "R");
    EXPECT_EQ(player.health, 53);
    EXPECT_EQ(spiders[0].alive, 1);
    load_level_text("p 100 459\n" + floor_row(500) + "D 301 469\n!");
    run_frames(200, "R");
    EXPECT_EQ(player.health, 54);
}

TEST(Ground, StompKillsTheSpiderAndThrowsTheRobotUp) {
    load_level_text("p 100 400\nD 80 500\n!");
    run_frames(47);
    EXPECT_EQ(player.y, 458);
    run_frames(1);  // frame 48: moved to 462, 3 pixels into the spider
    EXPECT_EQ(spiders[0].alive, 0);
    EXPECT_EQ(motion(), (std::vector<int>{100, 452, 4, -30, 30, 1}));
    // the old step, then 21 frames at -2, 21 hanging, 21 at +1, then +3
    std::vector<int> ys;
    for (int n : {1, 21, 21, 1, 20, 1}) {
        run_frames(n);
        ys.push_back(player.y);
    }
    EXPECT_EQ(ys, (std::vector<int>{456, 414, 414, 415, 435, 438}));
    EXPECT_EQ(player.health, 100);  // the dead spider no longer hurts
}

TEST(Ground, SpiderStompBandIsOneToNinePixels) {
    load_level_text("p 3000 0\nD 100 500\n!");
    Spider& spider = spiders[0];
    place_robot(100, 459);  // bottom edge on the spider's top: no contact
    spider.update();
    place_robot(100, 469);  // 10 pixels in: hurt
    spider.update();
    EXPECT_EQ(player.health, 99);
    EXPECT_EQ(spider.alive, 1);
    place_robot(100, 468);  // 9 pixels in: stomped
    spider.update();
    EXPECT_EQ(spider.alive, 0);
    EXPECT_EQ(motion(), (std::vector<int>{100, 458, 1, -30, 30, 1}));
    place_robot(100, 480);  // a dead spider neither hurts nor is stomped
    spider.update();
    EXPECT_EQ(player.health, 99);
    EXPECT_EQ(player.y, 480);
}

TEST(Ground, StompLiftsTheRobotForTheSpidersAfterItInTheSameFrame) {
    // Frame 48 moves the robot's bottom edge from 499 to 503, into two
    // spiders with tops at 500 and 501: it stomps the first in the table
    // and, 10 pixels higher, no longer touches the second.
    for (const char* spiders_text : {"D 80 500\nD 80 501\n", "D 80 501\nD 80 500\n"}) {
        load_level_text(std::string("p 100 400\n") + spiders_text + "!");
        run_frames(48);
        EXPECT_EQ((std::vector<int>{spiders[0].alive, spiders[1].alive}), (std::vector<int>{0, 1}));
        EXPECT_EQ(player.y, 452);
    }
}

TEST(Ground, MushroomThrowsOnEveryContactButNotOnAnEdge) {
    load_level_text("p 3000 0\nM 100 500\nM 110 490\n!");
    place_robot(100, 459);  // bottom edge on the top
    mushrooms[0].update();
    EXPECT_EQ(player.fall_accum, 5);
    place_robot(100, 465);
    player.airborne = 0;
    for (int i = 0; i < mushroom_count; ++i) mushrooms[i].update();
    EXPECT_EQ(motion(), (std::vector<int>{100, 465, 1, -100, 7, 1}));
}

TEST(Ground, MushroomBounceRises546To606PixelsAndPassesPlatforms) {
    int lowest = 10000, highest = 0;
    for (int delay = 0; delay < 22; ++delay) {  // every phase of the standing cycle
        load_level_text("p 100 459\n" + floor_row(500) + "M 300 468\n!");
        run_frames(delay);
        int top = player.y;
        for (int i = 0; i < 300; ++i) {
            run_frames(1, "R");
            top = std::min(top, player.y);
        }
        lowest = std::min(lowest, 459 - top);
        highest = std::max(highest, 459 - top);
    }
    EXPECT_EQ(lowest, 546);
    EXPECT_EQ(highest, 606);

    // up through a platform at 300, and caught by it on the way down
    load_level_text("p 100 459\n" + floor_row(500) + "M 300 468\nA 384 300\nA 416 300\n!");
    int top = player.y;
    for (int i = 0; i < 400; ++i) {
        run_frames(1, i < 150 ? "R" : "");
        top = std::min(top, player.y);
    }
    EXPECT_LT(top, 0);
    EXPECT_EQ(player.y, 259);
}
