// Soak: whole games on the shipped levels and on seeded random and extreme
// level sets, with seeded random keys, through level ends, game overs and
// new games as the game loop runs them. After every frame and every level
// start the camera pairs must hold (offset_x == -camera_x, offset_y +
// view_bottom == screen_height) and nothing may leave its bounds.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "hardening/world_checks.h"
#include "sim/frame.h"
#include "support/level_text.h"
#include "world/config.h"
#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/progress.h"
#include "world/world.h"

namespace {

using LevelSet = std::vector<std::string>;  // the texts of levels 1 to 7

struct SoakResult {
    std::string fault;
    int64_t frames = 0;
    int level_ends = 0;
    int game_overs = 0;
};

std::string shipped_level(int level) {
    const std::string here = __FILE__;
    const std::string source = here.substr(0, here.rfind("/tests/"));
    std::ifstream in(source + "/data/levels/" + level_entry(level)->file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Room to play: a floor with gaps, the robot standing on it under the ball,
// platforms, blocks of every kind, spiders and mushrooms; on the boss levels
// breakable blocks for the boss to stand on.
std::string random_level(std::mt19937& r, int level) {
    std::ostringstream t;
    const int w = 640 + r() % 3000, h = 480 + r() % 1000, floor = h - 40 - r() % 100;
    t << "s " << w << " " << h << "\np " << 50 + r() % 400 << " " << floor - 41 << "\n";
    for (int x = 0; x < w; x += 32)
        if (r() % 10) t << "A " << x << " " << floor << "\n";
    for (int i = r() % 30; i > 0; --i) t << "A " << r() % w << " " << r() % floor << "\n";
    for (int i = r() % 60; i > 0; --i) t << "EUG"[r() % 3] << " " << r() % w << " " << r() % floor << "\n";
    if (is_boss_level(level))
        for (int x = 40; x < 460; x += 32) t << "E " << x << " " << 200 + r() % 100 << "\n";
    for (int i = r() % 20; i > 0; --i) t << "D " << r() % w << " " << floor - 31 << "\n";
    for (int i = r() % 8; i > 0; --i) t << "M " << r() % w << " " << floor - 32 << "\n";
    return t.str() + "!\n";
}

// Bounds and positions at the loader's limits.
std::string extreme_level(std::mt19937& r) {
    const char* sizes[] = {"10 10", "0 0", "-100 -100", "1000000 1000000", "640 480", "100000 300"};
    const int places[] = {0, 1, -1, 1000000, -1000000, 999999, 500, -500};
    std::ostringstream t;
    t << "s " << sizes[r() % 6] << "\n";
    for (int i = r() % 40; i > 0; --i)
        t << "AEUGDMp"[r() % 7] << " " << places[r() % 8] << " " << places[r() % 8] << "\n";
    return t.str() + "!\n";
}

std::string fault_now(const char* when) {
    std::string fault = hardening::world_fault();
    if (fault.empty()) fault = hardening::camera_fault();
    return fault.empty() ? "" : fault + " " + when;
}

// Plays `frames` frames of games the way the game loop runs them: a new game
// reads "saved", a won level loads the next one, a game over starts a new game.
SoakResult soak(const LevelSet& levels, const char* config, uint32_t seed, int64_t frames) {
    SoakResult result;
    reset_world();
    scratch_dir();
    std::remove("saved");
    for (int level = 1; level <= 7; ++level) std::ofstream(level_entry(level)->file) << levels[level - 1];
    std::istringstream config_text(config);
    read_config(config_text);
    std::mt19937 random(seed);

    auto new_game = [&] {
        game_over = 0;
        level_done = 0;
        player.lives = 1;
        player.health = 100;
        read_progress();
    };
    new_game();
    load_level();
    result.fault = fault_now("after the first level start");
    int64_t run_left = 0;
    while (result.fault.empty() && result.frames < frames) {
        if (run_left == 0) {
            run_left = 1 + random() % 200;
            hold_keys(static_cast<uint8_t>(random() % 8));
        }
        --run_left;
        run_frame();
        ++result.frames;
        result.fault = fault_now("after a frame");
        if (!result.fault.empty()) break;
        if (game_over) {
            ++result.game_overs;
            new_game();
        } else if (level_done) {
            ++result.level_ends;
        } else {
            continue;
        }
        load_level();
        result.fault = fault_now("after a level start");
    }
    if (!result.fault.empty())
        result.fault += " (seed " + std::to_string(seed) + ", frame " + std::to_string(result.frames) + ")";
    std::remove("saved");
    return result;
}

}  // namespace

TEST(HostileSoak, ShippedLevelsKeepTheCameraPairsAndBounds) {
    LevelSet levels;
    for (int level = 1; level <= 7; ++level) levels.push_back(shipped_level(level));
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        SoakResult r = soak(levels, "640 480 0 0", seed, 30000);
        EXPECT_EQ(r.fault, "");
        EXPECT_EQ(r.frames, 30000);
    }
}

TEST(HostileSoak, RandomLevelSetsGoThroughLevelEndsAndGameOvers) {
    int level_ends = 0, game_overs = 0;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 r(seed * 7919);
        LevelSet levels;
        for (int level = 1; level <= 7; ++level) levels.push_back(random_level(r, level));
        SoakResult result = soak(levels, "640 480 0 0", seed, 30000);
        EXPECT_EQ(result.fault, "");
        level_ends += result.level_ends;
        game_overs += result.game_overs;
    }
    // the soak means something only if it crossed these paths
    EXPECT_GT(level_ends, 0);
    EXPECT_GT(game_overs, 0);
}

TEST(HostileSoak, ExtremeLevelsAndScreensKeepTheCameraPairsAndBounds) {
    const char* configs[] = {"320 200", "0 0", "-50 -50", "1000000 1000000", "2147483647 1"};
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        std::mt19937 r(seed);
        LevelSet levels;
        for (int level = 1; level <= 7; ++level) levels.push_back(extreme_level(r));
        SoakResult result = soak(levels, configs[seed % 5], seed, 3000);
        EXPECT_EQ(result.fault, "");
        EXPECT_GT(result.level_ends + result.game_overs, 0);
    }
}
