// Everything the player sees reaches the screen through here: the game's
// pictures stay at the configured screen size and are enlarged by a whole
// factor only as they are copied to the screen.
//
// The enlarged copy is large (a 4K screen takes sixteen times the pixels)
// and slow to send to the X server, and the speed of play is the frame
// rate, so the copy runs on a thread of its own: handing over a frame costs
// the frame loop one copy of the back buffer, whatever the factor.
#pragma once

struct BITMAP;

// Where the picture goes on the screen: offset of its top-left corner and
// the factor. Set by the display mode, read by the copy.
struct Placement {
    int x = 0;
    int y = 0;
    int scale = 1;
};

// Makes the two picture buffers (screen_width by screen_height) and starts
// the thread, copying into the screen at `placement`. False when a buffer
// cannot be made.
bool start_presenter(Placement placement);

// Stops the thread and frees the buffers; before the library shuts down.
void stop_presenter();

// Shows the top-left `width` by `height` of `picture` as the next picture,
// black beyond it, with the overlays drawn over it; a copy is taken, so
// `picture` may change at once.
void present(BITMAP* picture, int width, int height);

// The "PAUSED" sign over the picture on the screen, or not.
void show_pause_sign(bool shown);

// Holds the copying while the display mode changes; release with
// resume_presenting, which redraws the last picture in `placement`.
void hold_presenting();
void resume_presenting(Placement placement);
