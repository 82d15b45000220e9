// What the player is told around play: a card before each level and after
// each win, the ending after the last level, a frame round the health bar
// and a cue when the ball is lost. All of it is drawn over the copy on its
// way to the screen or shown between two frames, so the frames the world
// plays, and the pictures it draws, are exactly as without it.
#pragma once

#include <cstdint>
#include <string>

// Once a game has picked its first level: the run's clock at 0, the health
// bar's frame on.
void start_run();

// After load_level(): the level's number and name over its first view, for
// about a second or until a key or button is pressed (the key stays held,
// so the level's first frame sees it). Ends at once when `quit()`.
void introduce_level(bool (*quit)());

// After each frame: counts it for the run's time, shows the ball-lost cue.
void note_play_frame();

// After the frame loop: a won level's card, and after the last level the
// ending with the whole run's time. Nothing after a death or a quit.
void close_level(bool (*quit)());

// Before the game-over picture: play's signs off.
void end_run();

