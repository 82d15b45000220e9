// The mouse and keys as queues of events, filled by the library's input
// thread: a click or a Ctrl+key quicker than one pass of the editor's loop
// is still seen whole, each at its own place and with its own modifiers.
#pragma once

struct MouseEvent {
    int x, y;
    int buttons;  // held after the event: 1 left, 2 right, 4 middle
};

struct KeyEvent {
    int scancode;
    bool ctrl, shift;
};

// Starts queueing; needs the mouse and keyboard installed.
void start_input_events();
void stop_input_events();
bool next_mouse_event(MouseEvent& event);
bool next_key_event(KeyEvent& event);
// True when an Esc press waits in the queue: a tap too short for polling.
bool escape_waiting();
// Takes the first press of `scancode` from the queue, if there is one: a
// key the editor answers while it plays (P) is seen however short the tap.
bool take_key_press(int scancode);
// Forgets the keys pressed so far (those of a test play, say).
void drop_key_events();
