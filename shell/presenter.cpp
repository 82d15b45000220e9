#include "shell/presenter.h"

#include <allegro.h>

#include <condition_variable>
#include <initializer_list>
#include <mutex>
#include <thread>

#include "render/overlay_text.h"
#include "shell/overlay.h"
#include "shell/thread_priority.h"
#include "world/world.h"

namespace {

std::mutex handover;  // guards the fields below up to `stopping`
std::condition_variable wake;
BITMAP* next_picture = nullptr;  // the frame loop writes here
BITMAP* shown_picture = nullptr;  // the thread copies from here
bool picture_waiting = false;  // next_picture holds a picture not yet shown
bool redraw_wanted = false;  // show shown_picture again (a new mode, the sign)
bool sign_shown = false;
bool held = false;
bool stopping = false;
Placement place;

std::mutex screen_use;  // the screen is used by one side at a time
std::thread copier;

// "PAUSED" large, and how to go on, on a card made once and enlarged with
// the picture so that it reads at any factor.
BITMAP* sign = nullptr;

void make_sign() {
    sign = create_bitmap(168, 48);
    if (!sign) return;
    clear_to_color(sign, bitmap_mask_color(sign));
    draw_card(sign, sign->w / 2, 0,
              {{"PAUSED", 3, makecol(255, 255, 255)}, {"P: play on  Esc: end", 1, makecol(200, 200, 210)}},
              sign->w);
}

void draw_picture(BITMAP* picture, Placement at, bool with_sign) {
    const int w = screen_width * at.scale;
    const int h = screen_height * at.scale;
    acquire_screen();
    if (at.scale == 1)
        blit(picture, screen, 0, 0, at.x, at.y, screen_width, screen_height);
    else  // a whole factor: every game pixel becomes a square, no blur
        stretch_blit(picture, screen, 0, 0, screen_width, screen_height, at.x, at.y, w, h);
    if (with_sign && sign) {
        const int sw = sign->w * at.scale;
        const int sh = sign->h * at.scale;
        masked_stretch_blit(sign, screen, 0, 0, sign->w, sign->h, at.x + (w - sw) / 2, at.y + (h - sh) / 2,
                            sw, sh);
    }
    release_screen();
}

void copy_pictures() {
    // On a busy machine the frame loop comes first: a late copy only shows a
    // frame late, a late frame slows the play.
    lower_this_thread_priority();
    std::unique_lock<std::mutex> lock(handover);
    for (;;) {
        wake.wait(lock, [] { return stopping || (!held && (picture_waiting || redraw_wanted)); });
        if (stopping) return;
        if (picture_waiting) std::swap(next_picture, shown_picture);
        picture_waiting = false;
        redraw_wanted = false;
        const Placement at = place;
        const bool with_sign = sign_shown;
        // shown_picture is the thread's own until the next swap, which only
        // this thread makes: it is drawn without holding up the frame loop
        std::lock_guard<std::mutex> screen_lock(screen_use);
        lock.unlock();
        if (screen) draw_picture(shown_picture, at, with_sign);
        lock.lock();
    }
}

}  // namespace

bool start_presenter(Placement placement) {
    place = placement;
    next_picture = create_bitmap(screen_width, screen_height);
    shown_picture = create_bitmap(screen_width, screen_height);
    if (!next_picture || !shown_picture) return false;
    clear_bitmap(next_picture);
    clear_bitmap(shown_picture);
    make_sign();
    stopping = false;
    copier = std::thread(copy_pictures);
    return true;
}

void stop_presenter() {
    if (copier.joinable()) {
        {
            std::lock_guard<std::mutex> lock(handover);
            stopping = true;
        }
        wake.notify_one();
        copier.join();
    }
    for (BITMAP** b : {&next_picture, &shown_picture, &sign}) {
        if (*b) destroy_bitmap(*b);
        *b = nullptr;
    }
}

void present(BITMAP* picture, int width, int height) {
    {
        std::lock_guard<std::mutex> lock(handover);
        if (!next_picture) return;
        clear_bitmap(next_picture);
        blit(picture, next_picture, 0, 0, 0, 0, width, height);
        // on the copy: the picture the world was drawn in stays as it was
        draw_overlays(next_picture, screen_width, screen_height);
        picture_waiting = true;
    }
    wake.notify_one();
}

void show_pause_sign(bool shown) {
    {
        std::lock_guard<std::mutex> lock(handover);
        sign_shown = shown;
        redraw_wanted = true;
    }
    wake.notify_one();
}

void hold_presenting() {
    {
        std::lock_guard<std::mutex> lock(handover);
        held = true;
    }
    screen_use.lock();  // waits for a copy under way to finish
}

void resume_presenting(Placement placement) {
    screen_use.unlock();
    {
        std::lock_guard<std::mutex> lock(handover);
        held = false;
        place = placement;
        redraw_wanted = true;
    }
    wake.notify_one();
}
