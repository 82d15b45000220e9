// Frame times for measuring the game's pacing. Only a build with
// HEADBOT_FRAME_LOG records them; for players these calls are empty.
#pragma once

#ifdef HEADBOT_FRAME_LOG
// Notes the end of a frame (after its rest).
void log_frame_end();
// Writes the frame periods, in microseconds, one a line, to "frame_times.txt".
void write_frame_log();
#else
inline void log_frame_end() {}
inline void write_frame_log() {}
#endif
