// The short sounds of what happens in play, mixed over the music.
#pragma once

// Loads the effects from their WAV files beside the game and returns how
// many it could. A file that is missing, unreadable or of no playable rate
// leaves its event silent, without a word.
int load_sound_effects();

// Plays the sound of every event the last frame raised, all of them
// together. Silent without a sound device.
void play_frame_sounds();

// Releases the effects; must run before allegro_exit().
void release_sound_effects();
