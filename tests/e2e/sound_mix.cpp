// Plays a tune and the game's sound effects through the game's own sound
// code, for a capture to measure. Run from the game's folder (the library
// finds its patches and settings beside the program).
//
//   sound_mix CAPTURE TUNE|none effects|none
//
// Starts the tune, then raises the events one at a time as the capture
// reaches 1.5 s, 3 s, ... (one every 1.5 s), then a jump and a header in one
// frame, then waits 2 s more. Prints "NAME SECONDS" for each, the capture
// time at which the frame's sounds were started ("pair" for the two).
#include <allegro.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "shell/music.h"
#include "shell/sound_effects.h"
#include "world/world.h"

namespace {

constexpr double kBytesPerSecond = 44100 * 4;

const char* capture_path;

double captured_seconds() {
    struct stat st;
    if (stat(capture_path, &st) != 0) return 0;
    return double(st.st_size) / kBytesPerSecond;
}

bool wait_for_capture(double seconds) {
    for (int waited = 0; captured_seconds() < seconds; ++waited) {
        if (waited > 60000) return false;  // a minute without sound
        rest(1);
    }
    return true;
}

struct Named {
    const char* name;
    uint8_t FrameEvents::*event;
};

const Named kEvents[] = {
    {"jump", &FrameEvents::jump},
    {"header", &FrameEvents::header},
    {"block_broken", &FrameEvents::block_broken},
    {"spider_stomped", &FrameEvents::spider_stomped},
    {"hurt", &FrameEvents::hurt},
    {"ball_lost", &FrameEvents::ball_lost},
    {"level_won", &FrameEvents::level_won},
    {"game_over", &FrameEvents::game_over},
    {"mushroom_bounce", &FrameEvents::mushroom_bounce},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: sound_mix CAPTURE TUNE|none effects|none\n");
        return 2;
    }
    capture_path = argv[1];
    if (allegro_init() != 0) return 1;
    install_timer();
    install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr);
    const bool effects = std::strcmp(argv[3], "effects") == 0;
    if (effects) load_sound_effects();
    if (std::strcmp(argv[2], "none") != 0) play_tune(argv[2]);

    double at = 1.5;
    for (const Named& e : kEvents) {
        if (!wait_for_capture(at)) return 1;
        frame_events = FrameEvents();
        frame_events.*e.event = 1;
        std::printf("%s %.3f\n", e.name, captured_seconds());
        play_frame_sounds();
        at += 1.5;
    }
    if (!wait_for_capture(at)) return 1;
    frame_events = FrameEvents();
    frame_events.jump = frame_events.header = 1;
    std::printf("pair %.3f\n", captured_seconds());
    play_frame_sounds();
    if (!wait_for_capture(at + 2)) return 1;
    std::fflush(stdout);

    stop_midi();
    release_sound_effects();
    release_music();
    allegro_exit();
    return 0;
}
END_OF_MAIN()
