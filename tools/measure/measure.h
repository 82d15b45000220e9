// Figures of one level played with one key script: how long it lasts, how
// much of it is waiting, how often the ball is headed, and how many of the
// script's lines still win when pressed a few frames early or late.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/key_script.h"

// The keys of one frame: bit 1 Up, 2 Left, 4 Right; 0 is nothing held.
using FrameKeys = std::vector<uint8_t>;

FrameKeys frame_keys(const KeyScript& script);

struct Play {
    bool won = false;
    int64_t frames = 0;                  // frames run, up to the level end
    std::vector<int64_t> header_frames;  // frames, from 1, in which the ball flew off the robot's head
};

// Plays the level from a fresh world, as a fresh headbot-sim run does, with
// nothing held after the last given frame; stops at the level end or after
// `limit` frames.
Play play_level(const std::string& level_text, int32_t level, const FrameKeys& keys,
                int64_t limit);

// The keys with run `run` moved `shift` frames later (earlier when negative),
// keeping its length: the run it leaves from is held on into the gap, the run
// it moves into is cut short.
FrameKeys shifted(const KeyScript& script, size_t run, int64_t shift);

struct Figures {
    int64_t frames = 0;
    int64_t idle_frames = 0;     // frames with no key held
    int64_t longest_idle = 0;    // longest stretch of them
    int64_t headers = 0;
    int64_t median_gap = 0;      // frames between two headers in a row
    int64_t longest_gap = 0;
};

Figures figures_of(const Play& play, const FrameKeys& keys);

// Median of the gaps between headers in a row; 0 with fewer than two headers.
int64_t median_gap(const std::vector<int64_t>& header_frames);
