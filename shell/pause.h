// Pause, and the keys the shell answers itself: P pauses and resumes play,
// losing the window's focus pauses it, Alt+Enter switches between the
// window and fullscreen.
#pragma once

// Hooks the keyboard and the window's focus; after every display mode
// change too, as setting a mode forgets the focus hook.
void watch_shell_keys();

// Alt+Enter pressed since the last call: switches the display mode. Called
// wherever the game waits or between frames, never inside a frame.
void answer_display_key();

// Forgets P presses and focus losses that came before play (on the title or
// game-over screen), so that play does not start paused.
void forget_pause_requests();

// Between two frames: if P was pressed or the focus lost since the last
// frame, no frame runs until P is pressed again or `quit()` turns true (Esc,
// the close button). The last picture stays on the screen with a "PAUSED"
// sign over it, and the music waits too.
void hold_while_paused(bool (*quit)());
