#include "shell/sound_effects.h"

#include <allegro.h>

#include <cstdint>

#include "world/world.h"

namespace {

struct Effect {
    uint8_t FrameEvents::*event;
    const char* file;
    SAMPLE* sample;
};

// Each sound's loudness is set in its source; all play at full volume, which
// puts their peaks well over the loudest tune.
constexpr int kVolume = 255;
constexpr int kCentre = 128;
constexpr int kAsRecorded = 1000;

Effect effects[] = {
    {&FrameEvents::jump, "jump.wav", nullptr},
    {&FrameEvents::header, "header.wav", nullptr},
    {&FrameEvents::block_broken, "block.wav", nullptr},
    {&FrameEvents::spider_stomped, "stomp.wav", nullptr},
    {&FrameEvents::hurt, "hurt.wav", nullptr},
    {&FrameEvents::ball_lost, "ball_lost.wav", nullptr},
    {&FrameEvents::level_won, "level_won.wav", nullptr},
    {&FrameEvents::game_over, "game_over.wav", nullptr},
    {&FrameEvents::mushroom_bounce, "mushroom.wav", nullptr},
};

// A rate of 0 would hold a voice on one value for ever.
bool playable(const SAMPLE* s) { return s->len > 0 && s->freq >= 1000 && s->freq <= 192000; }

}  // namespace

int load_sound_effects() {
    int loaded = 0;
    for (Effect& e : effects) {
        e.sample = load_sample(e.file);
        if (e.sample && !playable(e.sample)) {
            destroy_sample(e.sample);
            e.sample = nullptr;
        }
        loaded += e.sample != nullptr;
    }
    return loaded;
}

// Each sound takes a voice of its own, so the events of one frame all sound.
// Without a sound device play_sample finds no voice and does nothing.
void play_frame_sounds() {
    for (const Effect& e : effects)
        if (frame_events.*e.event && e.sample) play_sample(e.sample, kVolume, kCentre, kAsRecorded, 0);
}

void release_sound_effects() {
    for (Effect& e : effects) {
        if (e.sample) destroy_sample(e.sample);
        e.sample = nullptr;
    }
}
