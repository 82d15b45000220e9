// The mouse as a queue of events: a click quicker than one pass of the
// editor's loop is still a press and a release, each at its own place.
#pragma once

struct MouseEvent {
    int x, y;
    int buttons;  // held after the event: 1 left, 2 right, 4 middle
};

// Starts queueing; needs the mouse installed.
void start_mouse_events();
bool next_mouse_event(MouseEvent& event);
