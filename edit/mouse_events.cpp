#include "edit/mouse_events.h"

#include <allegro.h>

#include <deque>
#include <mutex>

namespace {

std::mutex queue_lock;
std::deque<MouseEvent> queue;
int held = 0;

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
        queue.back().x = mouse_x;
        queue.back().y = mouse_y;
        return;
    }
    if (queue.size() < 4096) queue.push_back({mouse_x, mouse_y, held});
}
END_OF_FUNCTION(on_mouse)

}  // namespace

void start_mouse_events() { mouse_callback = on_mouse; }

bool next_mouse_event(MouseEvent& event) {
    std::lock_guard<std::mutex> guard(queue_lock);
    if (queue.empty()) return false;
    event = queue.front();
    queue.pop_front();
    return true;
}
