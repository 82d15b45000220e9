// The whole world in one value: every global of world.h, so that a tool can
// put the world back to any frame it saw and play on from there exactly as
// the game would have.
#pragma once

#include <type_traits>

#include "world/world.h"

// Every global the world keeps, once. A new global in world.h belongs here
// too: the snapshot test lists the world's globals from its object file and
// fails on any that this list leaves out.
#define HEADBOT_WORLD_STATE(X) \
    X(screen_width)            \
    X(screen_height)           \
    X(frame_delay_ms)          \
    X(frame_skip)              \
    X(frame_skip_counter)      \
    X(level_width)             \
    X(level_height)            \
    X(current_level)           \
    X(view_bottom)             \
    X(offset_y)                \
    X(camera_x)                \
    X(offset_x)                \
    X(game_over)               \
    X(level_done)              \
    X(player)                  \
    X(ground_tiles)            \
    X(mushrooms)               \
    X(ball)                    \
    X(boss)                    \
    X(blocks)                  \
    X(spiders)                 \
    X(falling_spider)          \
    X(ground_count)            \
    X(mushroom_count)          \
    X(block_count)             \
    X(spider_count)            \
    X(held_keys)               \
    X(frame_events)            \
    X(contacts_now)            \
    X(contacts_before)

struct WorldSnapshot {
#define HEADBOT_SNAPSHOT_MEMBER(name) std::remove_cv_t<decltype(::name)> name;
    HEADBOT_WORLD_STATE(HEADBOT_SNAPSHOT_MEMBER)
#undef HEADBOT_SNAPSHOT_MEMBER
};

// Plain bytes, so that a snapshot is copied, compared and stored as such.
static_assert(std::is_trivially_copyable_v<WorldSnapshot>);

void save_world(WorldSnapshot& snapshot);
void restore_world(const WorldSnapshot& snapshot);
