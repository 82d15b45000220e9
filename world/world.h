// Every value the game keeps from one frame to the next. All of it is global,
// lives for the whole run and is never allocated after start-up.
#pragma once

#include <cstdint>

#include "world/frame_events.h"
#include "world/records.h"

// Read from "config.txt" at start-up.
extern int32_t screen_width;
extern int32_t screen_height;
extern int32_t frame_delay_ms;
extern int32_t frame_skip;

extern int32_t frame_skip_counter;

extern int32_t level_width;
extern int32_t level_height;
extern int32_t current_level;

// offset_x == -camera_x and offset_y + view_bottom == screen_height: every
// writer moves a camera value together with its partner.
extern int32_t view_bottom;
extern int32_t offset_y;
extern int32_t camera_x;
extern int32_t offset_x;

extern uint8_t game_over;
extern uint8_t level_done;

constexpr int32_t kGroundCapacity = 1000;
constexpr int32_t kMushroomCapacity = 100;
constexpr int32_t kBlockCapacity = 1000;
constexpr int32_t kSpiderCapacity = 1000;

extern Player player;
extern GroundTile ground_tiles[kGroundCapacity];
extern Mushroom mushrooms[kMushroomCapacity];
extern Ball ball;
extern Boss boss;
extern Block blocks[kBlockCapacity];
extern Spider spiders[kSpiderCapacity];
extern FallingSpider falling_spider;

extern int32_t ground_count;
extern int32_t mushroom_count;
extern int32_t block_count;
extern int32_t spider_count;

// The keys and joystick directions held in this frame, as the frontend saw
// them at its joystick poll. Non-zero means held.
struct HeldKeys {
    uint8_t up = 0;
    uint8_t right = 0;
    uint8_t left = 0;
    uint8_t joy_button = 0;
    uint8_t joy_right = 0;
    uint8_t joy_left = 0;
};
extern HeldKeys held_keys;

// The three keys a key script or the solver holds, as bits of one byte.
constexpr uint8_t kKeyUp = 1;
constexpr uint8_t kKeyLeft = 2;
constexpr uint8_t kKeyRight = 4;

// Holds the keys set in `keys` and nothing else: the joystick rests.
void hold_keys(uint8_t keys);

bool is_boss_level(int32_t level);
bool has_falling_spider(int32_t level);

// Puts every global back to its program-start value; for tests and tools
// that run many worlds in one process, and for the time trial, whose every
// attempt starts from a fresh world (world/fresh_level.h).
void reset_world();
