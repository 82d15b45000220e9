// The tune playing now: one at a time, replaced by the title and by levels.
#pragma once

struct MIDI;

// Null before the first tune and after a tune file that could not be read.
extern MIDI* current_music;

// Stops the tune playing, releases it and starts `file`, repeating.
void play_tune(const char* file);

// Releases the last tune; must run before allegro_exit().
void release_music();
