// The frame's event record: each event is raised in the frame of the rule
// that causes it, once for a contact however long it lasts, and lowered again
// at the start of the next frame.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sim/frame.h"
#include "support/level_text.h"
#include "world/level_loader.h"
#include "world/world.h"

namespace {

using Event = uint8_t FrameEvents::*;

const Event kAllEvents[] = {&FrameEvents::jump,          &FrameEvents::header,
                            &FrameEvents::block_broken,  &FrameEvents::spider_stomped,
                            &FrameEvents::hurt,          &FrameEvents::ball_lost,
                            &FrameEvents::level_won,     &FrameEvents::game_over,
                            &FrameEvents::mushroom_bounce};

struct Heard {
    std::vector<int> frames;  // frames in which the event was raised
    int other_events = 0;     // flags of any other kind raised meanwhile
};

// Runs `frames` frames with `keys` held and notes in which of them `event`
// was raised (frames numbered from `first`).
Heard listen(Event event, int frames, const char* keys = "", int first = 1) {
    Heard heard;
    for (int f = first; f < first + frames; ++f) {
        run_frames(1, keys);
        if (frame_events.*event) heard.frames.push_back(f);
        for (Event e : kAllEvents)
            if (e != event && frame_events.*e) ++heard.other_events;
    }
    return heard;
}

std::string floor_at(int top) {
    std::string text;
    for (int x = 0; x < 640; x += 32) text += "A " + std::to_string(x) + " " + std::to_string(top) + "\n";
    return text;
}

// The robot waits at (100, 300) over a floor at 400, the ball 100 above it.
const std::string kHeaderLevel = "s 6000 400\np 100 300\n" + floor_at(400) + "!";

}  // namespace

TEST(FrameEvents, JumpHeaderAndWinInTheFramesOfTheirRules) {
    // Holding Up, the robot jumps as it lands in frame 48, meets the ball
    // with its head in frame 78 and lands again to jump in 114 and 252; the
    // ball leaves through the top in frame 279.
    load_level_text(kHeaderLevel);
    Heard jumps = listen(&FrameEvents::jump, 279, "U");
    EXPECT_EQ(jumps.frames, (std::vector<int>{48, 114, 252}));
    EXPECT_EQ(level_done, 1);

    load_level_text(kHeaderLevel);
    run_frames(47, "U");
    EXPECT_EQ(frame_events.jump, 0);
    run_frames(1, "U");
    EXPECT_EQ(frame_events.jump, 1);
    EXPECT_EQ(player.fall_accum, player.jump_accum);  // the jump's own frame
    run_frames(29, "U");
    EXPECT_EQ(ball.vy, 0);
    Heard header = listen(&FrameEvents::header, 300 - 77, "U", 78);
    EXPECT_EQ(header.frames, std::vector<int>{78});

    load_level_text(kHeaderLevel);
    Heard won = listen(&FrameEvents::level_won, 279, "U");
    EXPECT_EQ(won.frames, std::vector<int>{279});
}

TEST(FrameEvents, ABallHeadedInEveryFrameOfOneContactIsOneHeader) {
    // A ball at rest low on a standing robot's head rises 1 a frame and is
    // headed again in every frame it still overlaps the head: one header.
    load_level_text("p 300 300\nA 300 341\n!");
    ball.x = 300;
    ball.y = 290;
    Heard header = listen(&FrameEvents::header, 6);
    EXPECT_EQ(header.frames, std::vector<int>{1});
    EXPECT_EQ(ball.y, 285);  // still on the head after the sixth
    ball.x = 3000;           // away, then back: a new header
    run_frames(1);
    ball.x = 300;
    ball.y = 300;
    EXPECT_EQ(listen(&FrameEvents::header, 1, "", 8).frames, std::vector<int>{8});
}

TEST(FrameEvents, BreakingTwoBlocksInAFrameIsOneEventInThatFrame) {
    // The ball rises 1 a frame into two breakable blocks side by side and
    // overlaps them after frame 5; the blocks act before the ball moves, so
    // both break in frame 6.
    load_level_text("p 3000 300\nA 3000 341\nE 300 400\nE 332 400\nU 400 400\n!");
    ball.x = 316;
    ball.y = 436;
    ball.vy = -1;
    Heard broken = listen(&FrameEvents::block_broken, 10);
    EXPECT_EQ(broken.frames, std::vector<int>{6});
    EXPECT_EQ(blocks[0].present + blocks[1].present + blocks[2].present, 1);
}

TEST(FrameEvents, StompAndBitesOfSpidersAndTheBoss) {
    // Falling from rest the robot lands on the spider's top and stomps it;
    // standing in a spider it is bitten every frame but hurt is raised only
    // in the first, and again after it leaves and comes back.
    load_level_text("p 100 300\nA 0 430\nD 90 400\n!");
    int killed_in = 0;
    std::vector<int> stomps;
    for (int f = 1; f <= 60; ++f) {
        run_frames(1);
        if (frame_events.spider_stomped) stomps.push_back(f);
        if (killed_in == 0 && spiders[0].alive == 0) killed_in = f;
    }
    ASSERT_NE(killed_in, 0);
    EXPECT_EQ(stomps, std::vector<int>{killed_in});
    EXPECT_EQ(player.health, 100);  // a stomp takes no health

    load_level_text("p 100 359\nA 100 400\nD 90 369\nD 80 380\n!");
    Heard bites = listen(&FrameEvents::hurt, 10);
    EXPECT_EQ(bites.frames, std::vector<int>{1});
    EXPECT_EQ(player.health, 80);  // two spiders, ten frames
    player.x = 1000;
    run_frames(1);
    player.x = 100;
    EXPECT_EQ(listen(&FrameEvents::hurt, 3, "", 12).frames, std::vector<int>{12});

    // the boss walks into a robot standing in its way on level 4
    load_level_text("p 420 900\nA 420 941\n!", 4);
    boss.y = 850;
    boss.airborne = 0;
    int health_before = 0;
    int first_bite = 0;
    for (int f = 1; f <= 30 && first_bite == 0; ++f) {
        health_before = player.health;
        run_frames(1);
        if (frame_events.hurt) first_bite = f;
    }
    ASSERT_NE(first_bite, 0);
    EXPECT_EQ(player.health, health_before - 1);  // the boss's first touch
    EXPECT_TRUE(listen(&FrameEvents::hurt, 5).frames.empty());
}

TEST(FrameEvents, BallLostAndGameOver) {
    // Dropped from its start, the ball leaves the bottom of a 400-high level
    // in frame 20 and comes home.
    load_level_text("s 6000 400\np 3000 300\nA 3000 341\n!");
    ball.x = 100;
    ball.y = 381;
    ball.vy = 1;
    Heard lost = listen(&FrameEvents::ball_lost, 30);
    EXPECT_EQ(lost.frames, std::vector<int>{20});
    EXPECT_EQ(player.health, 90);
    EXPECT_EQ(ball.y, ball.home_y);

    // Two spiders take 2 health a frame: frame 51 loses the last life.
    load_level_text("s 6000 400\np 100 359\n" + floor_at(400) + "D 90 369\nD 80 380\n!");
    Heard over = listen(&FrameEvents::game_over, 51);
    EXPECT_EQ(over.frames, std::vector<int>{51});
    EXPECT_EQ(game_over, 1);
}

TEST(FrameEvents, AMushroomThrowIsOneEventHoweverManyFramesItTouches) {
    // Falling onto a mushroom the robot touches it in frame 48 and is thrown
    // again in the frames it still touches it.
    load_level_text("p 100 400\nA 100 500\nM 100 499\n!");
    Heard bounce = listen(&FrameEvents::mushroom_bounce, 120);
    ASSERT_FALSE(bounce.frames.empty());
    EXPECT_EQ(bounce.frames.front(), 48);
    // it falls back onto the mushroom: a second throw, long after the first
    ASSERT_EQ(bounce.frames.size(), 2u);
    EXPECT_GT(bounce.frames[1], 48 + 20);
}

TEST(FrameEvents, LoweredAtTheNextFrameByResetAndAtALevelStart) {
    load_level_text("p 100 359\nA 100 400\nD 90 369\n!");
    run_frames(1);
    EXPECT_EQ(frame_events.hurt, 1);
    frame_events.jump = frame_events.header = frame_events.level_won = 1;
    run_frames(1);  // still bitten, nothing new
    for (Event e : kAllEvents) EXPECT_EQ(frame_events.*e, 0);

    frame_events.game_over = 1;
    reset_world();
    for (Event e : kAllEvents) EXPECT_EQ(frame_events.*e, 0);
    EXPECT_EQ(contacts_now.hurting + contacts_before.hurting, 0);

    // a bite that goes on into the next level is heard there again
    load_level_text("p 100 359\nA 100 400\nD 90 369\n!");
    run_frames(2);
    load_next_level_text("p 100 359\nA 100 400\nD 90 369\n!", 2);
    run_frames(1);
    EXPECT_EQ(frame_events.hurt, 1);
}
