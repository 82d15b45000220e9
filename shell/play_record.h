// A recording of play, for replaying it through headbot-sim: when the
// environment names a file in HEADBOT_RECORD, the held keys go there as a
// key script (a line for each run of frames with equal keys), and the world
// after each frame goes to the same name with ".trace" added, in
// headbot-sim's trace format. Without it these calls do nothing.
#pragma once

void open_play_record();
// A comment line in the key script naming the level that starts.
void record_level_start();
// After each frame: its keys and the world it left.
void record_frame();
void close_play_record();
