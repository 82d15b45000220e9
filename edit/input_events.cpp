#include "edit/input_events.h"

#include "edit/edit_view.h"

#include <allegro.h>

#include <deque>
#include <mutex>

namespace {

std::mutex queue_lock;
std::deque<MouseEvent> queue;
int held = 0;
std::deque<KeyEvent> keys;

// Called from the library's input thread on every change of the mouse.
void on_mouse(int flags) {
    if (flags & MOUSE_FLAG_LEFT_DOWN) held |= 1;
    if (flags & MOUSE_FLAG_LEFT_UP) held &= ~1;
    if (flags & MOUSE_FLAG_RIGHT_DOWN) held |= 2;
    if (flags & MOUSE_FLAG_RIGHT_UP) held &= ~2;
    if (flags & MOUSE_FLAG_MIDDLE_DOWN) held |= 4;
    if (flags & MOUSE_FLAG_MIDDLE_UP) held &= ~4;
    std::lock_guard<std::mutex> guard(queue_lock);
    // a pointer that only moves replaces its last move: the queue stays short
    if ((flags & ~MOUSE_FLAG_MOVE) == 0 && !queue.empty() && queue.back().buttons == held) {
        queue.back().x = mouse_x / editor_scale;
        queue.back().y = mouse_y / editor_scale;
        return;
    }
    if (queue.size() < 4096) queue.push_back({mouse_x / editor_scale, mouse_y / editor_scale, held});
}
END_OF_FUNCTION(on_mouse)

// Called from the input thread on every key press and release.
void on_key(int scancode) {
    if (scancode & 0x80) return;  // a release
    const bool ctrl = key[KEY_LCONTROL] || key[KEY_RCONTROL];
    const bool shift = key[KEY_LSHIFT] || key[KEY_RSHIFT];
    std::lock_guard<std::mutex> guard(queue_lock);
    if (keys.size() < 256) keys.push_back({scancode, ctrl, shift});
}
END_OF_FUNCTION(on_key)

template <class Event>
bool take_first(std::deque<Event>& events, Event& event) {
    std::lock_guard<std::mutex> guard(queue_lock);
    if (events.empty()) return false;
    event = events.front();
    events.pop_front();
    return true;
}

}  // namespace

void start_input_events() {
    mouse_callback = on_mouse;
    keyboard_lowlevel_callback = on_key;
}

void stop_input_events() {
    mouse_callback = nullptr;
    keyboard_lowlevel_callback = nullptr;
}

bool next_key_event(KeyEvent& event) { return take_first(keys, event); }

bool escape_waiting() {
    std::lock_guard<std::mutex> guard(queue_lock);
    for (const KeyEvent& k : keys)
        if (k.scancode == KEY_ESC) return true;
    return false;
}

bool take_key_press(int scancode) {
    std::lock_guard<std::mutex> guard(queue_lock);
    for (auto k = keys.begin(); k != keys.end(); ++k)
        if (k->scancode == scancode) {
            keys.erase(k);
            return true;
        }
    return false;
}

void drop_key_events() {
    std::lock_guard<std::mutex> guard(queue_lock);
    keys.clear();
}

bool next_mouse_event(MouseEvent& event) { return take_first(queue, event); }
