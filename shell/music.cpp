#include "shell/music.h"

#include <allegro.h>

MIDI* current_music = nullptr;

void play_tune(const char* file) {
    stop_midi();
    // once stopped, nothing refers to the old tune any more
    if (current_music) destroy_midi(current_music);
    current_music = load_midi(file);
    // a null tune just stops the music: play goes on silent
    play_midi(current_music, 1000);
}

void release_music() {
    if (current_music) destroy_midi(current_music);
    current_music = nullptr;
}
