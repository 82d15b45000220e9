// One frame of play as the game paces it: the world's frame, the drawing
// when the frame is one to draw, then the rest. Shared by the game and the
// editor's test play, so both play at the same speed and look the same.
#pragma once

void play_frame();
