// What must hold after every level start and every frame, whatever the level
// file, configuration or keys: the camera pairs, the table bounds, byte flags
// that are only 0 or 1, and motion held inside the far limit. Shared by the
// fuzz targets and the soak tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sim/vertical_model.h"
#include "world/level_loader.h"
#include "world/world.h"

namespace hardening {

inline bool is_flag(uint8_t v) { return v == 0 || v == 1; }

inline bool within(int64_t v, int64_t least, int64_t most) { return least <= v && v <= most; }

// The first broken rule, or "" when the world is sound. `level_w` and
// `level_h` are the bounds the camera was last reset for.
inline std::string world_fault() {
    const int64_t far = kFarLimit + 1000;  // a stomp or head bump may step past the limit once
    const int64_t coord = 2 * int64_t{kLevelCoordinateLimit} + 10000;
    if (int64_t{offset_x} != -int64_t{camera_x}) return "offset_x != -camera_x";
    if (int64_t{offset_y} + view_bottom != screen_height)
        return "offset_y + view_bottom != screen_height";
    if (!within(ground_count, 0, kGroundCapacity)) return "ground_count out of range";
    if (!within(mushroom_count, 0, kMushroomCapacity)) return "mushroom_count out of range";
    if (!within(block_count, 0, kBlockCapacity)) return "block_count out of range";
    if (!within(spider_count, 0, kSpiderCapacity)) return "spider_count out of range";
    if (!is_flag(game_over) || !is_flag(level_done)) return "game flag not 0 or 1";
    if (game_over && !level_done) return "game over without level done";
    if (!is_flag(player.airborne) || !is_flag(boss.airborne)) return "airborne not 0 or 1";
    if (!is_flag(falling_spider.alive) || !is_flag(falling_spider.stompable))
        return "falling spider flag not 0 or 1";
    for (int32_t i = 0; i < block_count; ++i) {
        const Block& b = blocks[i];
        if (!is_flag(b.present) || !is_flag(b.breakable) || !is_flag(b.kind))
            return "block flag not 0 or 1";
        if (b.height != 32 || (b.width != 32 && b.width != 64)) return "block size changed";
    }
    for (int32_t i = 0; i < spider_count; ++i)
        if (!is_flag(spiders[i].alive) || spiders[i].stompable != 1) return "spider flag wrong";
    // a won frame adds 1, or 2 when the ball leaves the top as the boss
    // leaves the bottom; the next level start wraps it
    if (!within(current_level, 1, level_done ? 9 : 7)) return "current_level out of range";
    if (player.facing != 1 && player.facing != 2) return "facing not 1 or 2";
    if (boss.direction != 1 && boss.direction != 2) return "boss direction not 1 or 2";
    if (!within(player.fall_step, -9, 9) || !within(boss.fall_step, -9, 9))
        return "fall step beyond 9";
    if (player.health > player.max_health) return "health above max_health";
    if (player.lives > 1) return "more than one life";
    if (!within(player.y, -far, far) || !within(boss.y, -far, far)) return "y beyond far limit";
    if (!within(boss.x, -far, far)) return "boss x beyond far limit";
    if (!within(ball.x, -far, far) || !within(ball.y, -far, far)) return "ball beyond far limit";
    if (!within(ball.vx, -1, 1) || !within(ball.vy, -1, 1)) return "ball speed beyond 1";
    if (!within(player.x, -coord, coord)) return "player x far outside the level";
    if (!within(player.fall_accum, -far, far) || !within(boss.fall_accum, -far, far))
        return "fall_accum beyond far limit";
    if (!within(falling_spider.y, -far, far) || !within(falling_spider.x, -far, far))
        return "falling spider beyond far limit";
    return "";
}

// Bounds that follow from the camera rules for one level: the view moves
// only by walk or fall steps (at most 9), tests its bound before each move
// and starts at the level's bottom-left corner.
inline std::string camera_fault() {
    if (camera_x < 0 || camera_x % 2 != 0) return "camera_x negative or odd";
    const int64_t right = std::max<int64_t>(0, int64_t{level_width} - screen_width + 1);
    if (camera_x > right) return "camera_x past the level's right end";
    const int64_t low = std::min<int64_t>(level_height, int64_t{screen_height} - 9);
    if (!within(view_bottom, low, int64_t{level_height} + 9)) return "view_bottom out of reach";
    return "";
}

// For fuzz targets: a broken rule is a crash with its name on stderr.
inline void trap_on_fault(const std::string& fault, const char* where) {
    if (fault.empty()) return;
    std::fprintf(stderr, "world fault %s: %s\n", where, fault.c_str());
    std::abort();
}

}  // namespace hardening
