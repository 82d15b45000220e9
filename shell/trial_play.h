// A time-trial course played in the game window: the player's own attempt,
// or a best or par run watched from its key script. Either way the frames
// are the game's (play_frame), with the clock over the copy to the screen.
#pragma once

#include "sim/trial_run.h"
#include "world/key_script.h"

class Ghost;

// Plays the course from a fresh world until it is won, lost, or given up
// (Esc, the joystick's second button, the window closed: kPlaying). With
// `watched` the keys come from that script and not from the player; with
// `ghost` its robot runs beside the player's; `watching` names the watched
// run under the clock. `run` holds the frames, splits and keys afterwards.
TrialState play_course(TrialRun& run, int32_t course, Ghost* ghost, const KeyScript* watched,
                       const char* watching, bool (*closed)());
