// Loading and playing the effects where files are missing or broken and
// there is no sound device: nothing is heard and nothing stops.
#include "shell/sound_effects.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "render/headless_allegro.h"
#include "support/level_text.h"
#include "world/world.h"

namespace {

// A 16-bit mono WAV of `samples` zero samples at `rate`, cut to `keep` bytes.
void write_wav(const std::string& name, uint32_t rate, uint32_t samples, size_t keep = ~size_t(0)) {
    std::string f = "RIFF";
    auto u32 = [&f](uint32_t v) {
        for (int i = 0; i < 4; ++i) f.push_back(char(v >> (8 * i) & 0xff));
    };
    auto u16 = [&f](uint16_t v) {
        f.push_back(char(v & 0xff));
        f.push_back(char(v >> 8));
    };
    u32(36 + samples * 2);
    f += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    f += "data";
    u32(samples * 2);
    f += std::string(samples * 2, '\0');
    std::ofstream(name, std::ios::binary) << f.substr(0, keep);
}

void raise_every_event() {
    frame_events.jump = frame_events.header = frame_events.block_broken = 1;
    frame_events.spider_stomped = frame_events.hurt = frame_events.ball_lost = 1;
    frame_events.level_won = frame_events.game_over = frame_events.mushroom_bounce = 1;
}

}  // namespace

TEST(SoundEffects, MissingBrokenAndUnplayableFilesAreLeftSilent) {
    start_headless_allegro();
    scratch_dir();  // the working directory the effects are loaded from
    write_wav("jump.wav", 44100, 100);
    write_wav("header.wav", 22050, 100);
    write_wav("block.wav", 0, 100);           // no rate
    write_wav("stomp.wav", 44100, 0);         // no samples
    write_wav("hurt.wav", 44100, 100, 30);    // cut inside the header
    write_wav("ball_lost.wav", 44100, 100, 60);  // cut inside the samples
    std::ofstream("level_won.wav") << "not a sound at all";
    // game_over.wav and mushroom.wav are missing
    EXPECT_EQ(load_sound_effects(), 2);

    // no sound device was ever installed: every event plays nothing
    raise_every_event();
    play_frame_sounds();
    play_frame_sounds();
    release_sound_effects();
    play_frame_sounds();  // after release, too
    EXPECT_EQ(load_sound_effects(), 2);
    release_sound_effects();
}
