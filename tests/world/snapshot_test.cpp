// A snapshot holds the whole world: put back, the world plays on exactly as
// it would have, whatever ran in between.
#include "world/snapshot.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "support/level_text.h"
#include "world/world.h"

namespace {

// A boss level with something of every kind that moves or changes: a moving
// block, bricks under the boss, spiders, a mushroom, the falling spider.
const char kBusyLevel[] =
    "s 960 480 p 40 407\n"
    "A 0 448 A 32 448 A 64 448 A 96 448 A 128 448 A 160 448 A 192 448 A 224 448\n"
    "A 256 448 A 288 448 A 320 448 A 352 448 A 384 448 A 416 448 A 448 448\n"
    "E 100 176 E 132 176 E 164 176 E 196 176 E 228 176 E 260 176 E 292 176\n"
    "U 0 0 U 32 0 U 600 0 G 300 300 D 500 417 D 700 417 M 800 416 !\n";

// One row a frame of everything the trace shows and more, the frame's
// events too.
std::vector<int> row() {
    int present = 0, moving_x = 0, alive = 0;
    for (int i = 0; i < block_count; ++i) {
        present += blocks[i].present;
        if (blocks[i].kind == 1) moving_x = blocks[i].x;
    }
    for (int i = 0; i < spider_count; ++i) alive += spiders[i].alive;
    const Player& p = player;
    return {current_level, p.x, p.y, p.fall_step, p.fall_accum, p.step_counter, p.airborne,
            p.facing, p.health, p.lives, ball.x, ball.y, ball.vx, ball.vy, camera_x, offset_x,
            view_bottom, offset_y, boss.x, boss.y, boss.fall_step, boss.direction, boss.airborne,
            falling_spider.x, falling_spider.y, falling_spider.alive, present, moving_x, alive,
            level_done, game_over, frame_skip_counter, frame_events.jump, frame_events.header,
            frame_events.block_broken, frame_events.spider_stomped, frame_events.hurt,
            frame_events.mushroom_bounce, contacts_before.hurting, contacts_before.heading};
}

// Keys that walk both ways and jump, so the robot heads the ball and meets
// the spiders.
std::vector<std::vector<int>> play(int frames) {
    static const char* const keys[] = {"R", "RU", "U", "", "L", "LU", "R", "RU"};
    std::vector<std::vector<int>> rows;
    for (int i = 0; i < frames; ++i) {
        run_frames(1, keys[(i / 37) % 8]);
        rows.push_back(row());
    }
    return rows;
}

TEST(WorldSnapshot, RestoredWorldPlaysOnFrameForFrame) {
    load_level_text(kBusyLevel, 7);
    frame_skip = 2;
    run_frames(5, "U");  // the jump that heads the ball comes after the snapshot
    auto snapshot = std::make_unique<WorldSnapshot>();
    save_world(*snapshot);
    const auto original = play(1500);

    // another level, other keys, another screen: none of it may leak through
    load_level_text("s 2000 900 p 500 500 U 400 300 D 0 0 !", 3);
    screen_width = 320;
    run_frames(300, "LU");
    restore_world(*snapshot);
    const auto replayed = play(1500);

    ASSERT_EQ(replayed.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i) ASSERT_EQ(replayed[i], original[i]) << "frame " << i;
    // the run did what it was meant to: the ball was headed, a brick broke
    bool headed = false;
    for (const auto& r : original) headed = headed || r[13] != 0;
    EXPECT_TRUE(headed);
    EXPECT_LT(original.back()[26], original.front()[26]);
}

TEST(WorldSnapshot, EveryGlobalComesBackByteForByte) {
    load_level_text(kBusyLevel, 4);
    run_frames(200, "RU");
    auto snapshot = std::make_unique<WorldSnapshot>();
    save_world(*snapshot);

#define HEADBOT_SCRIBBLE(name) std::memset(static_cast<void*>(&::name), 0xA5, sizeof(::name));
    HEADBOT_WORLD_STATE(HEADBOT_SCRIBBLE)
#undef HEADBOT_SCRIBBLE
    restore_world(*snapshot);

#define HEADBOT_COMPARE(name) \
    EXPECT_EQ(std::memcmp(&::name, &snapshot->name, sizeof(::name)), 0) << #name;
    HEADBOT_WORLD_STATE(HEADBOT_COMPARE)
#undef HEADBOT_COMPARE
}

}  // namespace
