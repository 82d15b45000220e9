// Whether a pack's level is proven winnable: its maker's clear played again
// with the game's own frames, from a fresh world, as headbot-sim plays it.
#pragma once

#include <cstdint>
#include <string>

#include "world/key_script.h"
#include "world/level_pack.h"

// As long as a fresh headbot-sim run plays.
constexpr int64_t kClearFrameLimit = 100000;

enum class ReplayEnd { won, over, stopped };

struct Replay {
    ReplayEnd end = ReplayEnd::stopped;
    int64_t frames = 0;
};

// Plays `level_text` as level `level` on a screen of the given size, the keys
// from `script` and nothing held after it, until the level ends, the game is
// over or `limit` frames have run. Never touches a file.
Replay replay_level(const std::string& level_text, int32_t level, int32_t screen_width,
                    int32_t screen_height, const KeyScript& script, int64_t limit = kClearFrameLimit);

enum class ProofState { proven, unproven, broken };

struct Proof {
    ProofState state = ProofState::unproven;
    int64_t frames = 0;  // of the won replay
    std::string why;     // what is broken
};

// A level with a clear is proven when the clear was recorded on exactly this
// text and wins it; otherwise it is broken, and says why.
Proof prove_pack_level(const PackLevel& level);
