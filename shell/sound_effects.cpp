#include "shell/sound_effects.h"

#include <allegro.h>

#include <cstdint>

#include "world/world.h"

namespace {

struct Effect {
    uint8_t FrameEvents::*event;
    const char* file;
    int volume;  // 0 to 255, set by ear against the loudest tune
    SAMPLE* sample;
};

// Each on a voice of its own: two events of one frame sound together.
Effect effects[] = {
    {&FrameEvents::jump, "jump.wav", 255, nullptr},
    {&FrameEvents::header, "header.wav", 255, nullptr},
    {&FrameEvents::block_broken, "block.wav", 255, nullptr},
    {&FrameEvents::spider_stomped, "stomp.wav", 255, nullptr},
    {&FrameEvents::hurt, "hurt.wav", 255, nullptr},
    {&FrameEvents::ball_lost, "ball_lost.wav", 255, nullptr},
    {&FrameEvents::level_won, "level_won.wav", 255, nullptr},
    {&FrameEvents::game_over, "game_over.wav", 255, nullptr},
    {&FrameEvents::mushroom_bounce, "mushroom.wav", 255, nullptr},
};

}  // namespace

void load_sound_effects() {
    for (Effect& e : effects) e.sample = load_sample(e.file);
}

void play_frame_sounds() {
    for (const Effect& e : effects)
        if (frame_events.*e.event && e.sample) play_sample(e.sample, e.volume, 128, 1000, 0);
}

void release_sound_effects() {
    for (Effect& e : effects) {
        if (e.sample) destroy_sample(e.sample);
        e.sample = nullptr;
    }
}
