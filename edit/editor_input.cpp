#include "edit/editor_input.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "edit/edit_view.h"
#include "edit/key_record.h"
#include "edit/level_edit.h"
#include "edit/input_events.h"
#include "edit/open_level.h"
#include "edit/pack_level.h"
#include "edit/size_prompt.h"
#include "edit/test_play.h"
#include "edit/win_search.h"
#include "world/owned_file.h"
#include "world/snapshot.h"
#include "world/world.h"

namespace {

constexpr int32_t kCell = 32;
constexpr int32_t kScrollStep = 8;
constexpr double kSearchSeconds = 30;

enum class Drag { none, paint, erase, move, resize, pan };

struct Editor {
    std::string path;
    std::string keys_path;
    LevelEdit edit;
    EditorScreen screen;
    Drag drag = Drag::none;
    int32_t drag_record = -1;
    int32_t drag_from_x = 0, drag_from_y = 0;     // the record's place when the drag began
    int32_t press_x = 0, press_y = 0;             // the pointer's world point then
    int32_t press_window_x = 0, press_window_y = 0;
    int32_t view_at_press_x = 0, view_at_press_y = 0;
    bool drag_moved = false;
    int32_t last_cell_x = INT32_MIN, last_cell_y = INT32_MIN;
    int previous_buttons = 0;
    bool quit_armed = false;
    bool quit = false;
    bool arrows_held_from_play = false;  // keys still down from the play do not scroll
    int32_t height_at_press = 0;
    SizePrompt size_prompt;
    KeyRecord found_keys;  // the last win F6 found, to watch
    bool has_found_keys = false;
};

// The status line. Each new one also goes to standard output: a log of the
// session for the terminal the editor was started from, and for scripts.
void say(Editor& e, const std::string& message) {
    e.screen.message = message;
    std::printf("%s\n", message.c_str());
    std::fflush(stdout);
}

bool ctrl_held() { return (key_shifts & KB_CTRL_FLAG) || key[KEY_LCONTROL] || key[KEY_RCONTROL]; }
bool shift_held() { return (key_shifts & KB_SHIFT_FLAG) || key[KEY_LSHIFT] || key[KEY_RSHIFT]; }

int32_t floor_div(int32_t v, int32_t d) { return v >= 0 ? v / d : -((-v + d - 1) / d); }
int32_t snap_step(int32_t d) { return floor_div(d + kCell / 2, kCell) * kCell; }

// The view may go half a screen past each edge of the level, no further.
void keep_view_near_level(EditorScreen& s) {
    const int32_t lo_x = -screen_width / 2, lo_y = -screen_height / 2;
    s.view_x = std::clamp(s.view_x, lo_x, std::max(lo_x, level_width - screen_width / 2));
    s.view_y = std::clamp(s.view_y, lo_y, std::max(lo_y, level_height - screen_height / 2));
}

// The level's bottom-left corner, where play begins, with a margin.
void view_level_start(EditorScreen& s) {
    s.view_x = -16;
    s.view_y = level_height - status_panel_top() + 16;
    keep_view_near_level(s);
}

void save(Editor& e) {
    std::string error;
    const LevelDocument& doc = e.edit.document();
    if (!write_file_atomically(e.path, level_document_text(doc), error)) {
        say(e, "NOT SAVED: " + file_name_of(e.path) + " " + error + "; the old file is kept");
        return;
    }
    e.edit.mark_saved();
    e.screen.file_written = true;
    say(e, "saved " + file_name_of(e.path) + " (" + std::to_string(doc.records.size()) +
                       " records)" + (e.edit.cleared() ? ", cleared" : "") + store_in_pack());
}

std::atomic<bool>* window_closed = nullptr;

// Esc held or tapped, or the window closed.
bool play_stop_requested() { return key[KEY_ESC] || escape_waiting() || *window_closed; }
bool play_pause_pressed() { return take_key_press(KEY_P); }

// After a test play or a search: the Esc that ended it, keys typed and
// clicks made meanwhile must not reach the editor, and the editor's world
// is put back as the edits stand.
void back_to_editing(Editor& e) {
    for (int i = 0; i < 200 && key[KEY_ESC]; ++i) rest(10);
    clear_keybuf();
    drop_key_events();
    MouseEvent m;
    while (next_mouse_event(m)) e.previous_buttons = m.buttons & 7;
    e.edit.rebuild();
}

void play(Editor& e, std::atomic<bool>& close_requested) {
    KeyRecord record;
    const LevelDocument doc = e.edit.document();
    drop_key_events();
    window_closed = &close_requested;
    const PlayEnd end = test_play(doc, e.edit.level(), {play_stop_requested, play_pause_pressed}, record);
    back_to_editing(e);
    e.arrows_held_from_play = true;
    const std::string frames = std::to_string(record.frames()) + " frames";
    if (end == PlayEnd::lost) {
        say(e, "lost after " + frames + ": not cleared");
    } else if (end == PlayEnd::stopped) {
        say(e, "play stopped after " + frames);
    } else {
        std::string error;
        const std::string text =
            key_script_text(record, file_name_of(e.path), e.edit.level(), level_fingerprint(doc));
        if (write_file_atomically(e.keys_path, text, error)) {
            e.edit.mark_cleared();
            say(e, "WON in " + frames + ": cleared, keys in " + file_name_of(e.keys_path) + store_in_pack());
        } else {
            say(e, "won, but " + file_name_of(e.keys_path) + " " + error);
        }
    }
}

// The keys F6 found, played as test play plays; nothing is written or marked.
void watch(Editor& e, std::atomic<bool>& close_requested) {
    if (!e.has_found_keys) {
        say(e, "no keys to watch yet: F6 searches for a win");
        return;
    }
    KeyRecord record;
    drop_key_events();
    window_closed = &close_requested;
    const PlayEnd end =
        test_play(e.edit.document(), e.edit.level(), {play_stop_requested, play_pause_pressed, &e.found_keys}, record);
    back_to_editing(e);
    const std::string frames = std::to_string(record.frames()) + " frames";
    if (end == PlayEnd::won) say(e, "watched the search's win: " + frames);
    else if (end == PlayEnd::lost) say(e, "the search's keys lose after " + frames + ": the level changed since");
    else say(e, "watching stopped after " + frames);
}

std::string tenths(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

// The keys a search finds go beside the level under a name of their own: a
// level is cleared only by its maker's own play.
void search(Editor& e, std::atomic<bool>& close_requested) {
    const LevelDocument doc = e.edit.document();
    auto view = std::make_unique<WorldSnapshot>();
    save_world(*view);
    say(e, "searching for a win, up to " + tenths(kSearchSeconds) + " (Esc stops)");
    draw_editor(e.edit, e.screen);
    drop_key_events();
    const WinSearch found = search_level(doc, e.edit.level(), kSearchSeconds, [&](const SearchProgress& p) {
        // the editor's own world for the drawing; the search puts its own back
        restore_world(*view);
        e.screen.message = "searching: " + tenths(p.elapsed) + ", " + std::to_string(p.states_tried) +
                           " states tried (Esc stops)";
        draw_editor(e.edit, e.screen);
        return !(key[KEY_ESC] || escape_waiting() || close_requested);
    });
    back_to_editing(e);

    const std::string searched = tenths(found.seconds) + ", " + std::to_string(found.states_tried) + " states tried";
    if (!found.won) {
        say(e, (found.stopped ? "search stopped, no win found yet (" : "no win found (") + searched + ")");
        return;
    }
    const std::string path = e.path + ".solved.keys";
    const std::string text = "# found by the editor's search, not played\n" +
                             key_script_text(found.record, file_name_of(e.path), e.edit.level(), level_fingerprint(doc));
    std::string error;
    const std::string frames = std::to_string(found.record.frames()) + " frames";
    e.found_keys = found.record;
    e.has_found_keys = true;
    if (write_file_atomically(path, text, error))
        say(e, "a win exists: " + frames + " (" + searched + "), keys in " + file_name_of(path) + "; W watches it");
    else
        say(e, "a win exists: " + frames + ", but " + file_name_of(path) + " " + error);
}

void try_quit(Editor& e) {
    if (e.edit.saved() || e.quit_armed) {
        e.quit = true;
        return;
    }
    e.quit_armed = true;
    say(e, "not saved: Esc again quits without saving, Ctrl+S saves");
}

std::string size_words() { return "level " + std::to_string(level_width) + " by " + std::to_string(level_height); }

// A new height moves the top edge: the view moves with the objects, so the
// picture stays where it is and only the top edge moves on the screen.
void resize_keeping_ground(Editor& e, int32_t width, int32_t height) {
    const int32_t before = level_height;
    if (!e.edit.set_size_keeping_ground(width, height)) return;
    e.screen.view_y += level_height - before;
    keep_view_near_level(e.screen);
    say(e, size_words());
}

void resize_by(Editor& e, int32_t dw, int32_t dh) { resize_keeping_ground(e, level_width + dw, level_height + dh); }

// The size prompt: digits and blanks typed, Enter applies, Esc cancels.
void prompt_key(Editor& e, const KeyEvent& k) {
    SizePrompt& prompt = e.size_prompt;
    const int code = k.scancode;
    if (code == KEY_ESC) {
        prompt.close();
        say(e, "size unchanged");
        return;
    }
    if (code == KEY_ENTER || code == KEY_ENTER_PAD) {
        prompt.close();
        int32_t w = 0, h = 0;
        std::string refusal;
        if (!parse_level_size(prompt.text(), w, h, refusal)) {
            say(e, "size unchanged: " + refusal);
            return;
        }
        if (w == level_width && h == level_height) say(e, size_words() + ", as it was");
        else resize_keeping_ground(e, w, h);
        return;
    }
    if (code == KEY_BACKSPACE || code == KEY_DEL) prompt.erase();
    else if (code >= KEY_0 && code <= KEY_9) prompt.type(static_cast<char>('0' + code - KEY_0));
    else if (code >= KEY_0_PAD && code <= KEY_9_PAD) prompt.type(static_cast<char>('0' + code - KEY_0_PAD));
    else if (code >= KEY_A && code <= KEY_Z) prompt.type(static_cast<char>('a' + code - KEY_A));
    else if (code == KEY_SPACE) prompt.type(' ');
    else if (code == KEY_COMMA) prompt.type(',');
    else if (code == KEY_MINUS || code == KEY_MINUS_PAD) prompt.type('-');
    else if (code == KEY_STOP || code == KEY_DEL_PAD) prompt.type('.');
    e.screen.message = prompt.line();
}

void remove_record(Editor& e, int32_t record) {
    const LevelRecord r = e.edit.document().records[static_cast<size_t>(record)];
    if (e.edit.remove(record))
        say(e, "removed the " + object_name(r.letter) + " at " + std::to_string(r.a) + "," + std::to_string(r.b));
    else if (r.letter == 'p')
        say(e, "the robot's start can be moved, not removed");
}

void remove_at(Editor& e, int32_t wx, int32_t wy) {
    const int32_t record = e.edit.record_at(wx, wy);
    if (record >= 0) remove_record(e, record);
}

void handle_key(Editor& e, const KeyEvent& k, std::atomic<bool>& close_requested) {
    const int code = k.scancode;
    const bool ctrl = k.ctrl;
    const int32_t step = k.shift ? 1 : kCell;
    if (e.size_prompt.is_open()) {
        prompt_key(e, k);
        return;
    }
    if (code != KEY_ESC) e.quit_armed = false;
    if (ctrl) {
        switch (code) {
        case KEY_Z:
            if (k.shift ? e.edit.redo() : e.edit.undo()) say(e, k.shift ? "redone" : "undone");
            else say(e, "nothing to undo");
            return;
        case KEY_Y:
            say(e, e.edit.redo() ? "redone" : "nothing to redo");
            return;
        case KEY_S: save(e); return;
        case KEY_RIGHT: resize_by(e, step, 0); return;
        case KEY_LEFT: resize_by(e, -step, 0); return;
        case KEY_DOWN: resize_by(e, 0, step); return;
        case KEY_UP: resize_by(e, 0, -step); return;
        default: return;
        }
    }
    if (code >= KEY_1 && code <= KEY_7) {
        e.screen.kind = kind_at(code - KEY_1);
        return;
    }
    switch (code) {
    case KEY_TAB:
        e.screen.kind = kind_at((static_cast<int>(e.screen.kind) + 1) % kKindCount);
        return;
    case KEY_G: e.screen.grid = !e.screen.grid; return;
    case KEY_F5:
    case KEY_ENTER:
    case KEY_ENTER_PAD: play(e, close_requested); return;
    case KEY_F6: search(e, close_requested); return;
    case KEY_W: watch(e, close_requested); return;
    case KEY_S:
        e.size_prompt.open(level_width, level_height);
        e.screen.message = e.size_prompt.line();
        return;
    case KEY_HOME: view_level_start(e.screen); return;
    case KEY_DEL:
        if (e.screen.hover_record >= 0) remove_record(e, e.screen.hover_record);
        return;
    case KEY_ESC: try_quit(e); return;
    default: return;
    }
}

void scroll_with_arrows(Editor& e) {
    EditorScreen& s = e.screen;
    const bool any = key[KEY_LEFT] || key[KEY_RIGHT] || key[KEY_UP] || key[KEY_DOWN];
    if (!any) e.arrows_held_from_play = false;
    if (ctrl_held() || e.arrows_held_from_play) return;
    const int32_t step = shift_held() ? kScrollStep * 4 : kScrollStep;
    if (key[KEY_LEFT]) s.view_x -= step;
    if (key[KEY_RIGHT]) s.view_x += step;
    if (key[KEY_UP]) s.view_y -= step;
    if (key[KEY_DOWN]) s.view_y += step;
    keep_view_near_level(s);
}

// The handle at the level's top-right corner: the top edge is the one that
// moves, so the ground built at the bottom stays where it is.
bool over_corner(const EditorScreen& s) {
    const int32_t cx = level_width - s.view_x, cy = -s.view_y;
    return std::abs(s.pointer_x - cx) <= kCornerGrab && std::abs(s.pointer_y - cy) <= kCornerGrab;
}

void place_here(Editor& e, bool report) {
    int32_t x = 0, y = 0;
    placement_point(e.screen, e.screen.kind, x, y);
    std::string refusal;
    if (e.edit.place(e.screen.kind, x, y, refusal))
        say(e, std::string("placed a ") + kind_info(e.screen.kind).name + " at " +
                           std::to_string(x) + "," + std::to_string(y));
    else if (report || refusal.find("full") != std::string::npos)
        say(e, refusal);
}

void press(Editor& e, int button) {
    EditorScreen& s = e.screen;
    const int32_t wx = world_x(s, s.pointer_x), wy = world_y(s, s.pointer_y);
    e.press_x = wx;
    e.press_y = wy;
    e.press_window_x = s.pointer_x;
    e.press_window_y = s.pointer_y;
    e.view_at_press_x = s.view_x;
    e.view_at_press_y = s.view_y;
    e.height_at_press = level_height;
    e.drag_moved = false;
    e.last_cell_x = floor_div(wx, kCell);
    e.last_cell_y = floor_div(wy, kCell);
    if (button == 4 || (button == 1 && key[KEY_SPACE])) {
        e.drag = Drag::pan;
        return;
    }
    if (s.pointer_y >= status_panel_top()) return;
    if (button == 1) {
        const int32_t slot = palette_slot_at(s.pointer_x, s.pointer_y);
        if (slot >= 0) {
            s.kind = kind_at(slot);
            return;
        }
        e.edit.start_gesture();
        if (over_corner(s)) {
            e.drag = Drag::resize;
            return;
        }
        e.drag_record = e.edit.record_at(wx, wy);
        if (e.drag_record >= 0) {
            const LevelRecord& r = e.edit.document().records[static_cast<size_t>(e.drag_record)];
            e.drag_from_x = r.a;
            e.drag_from_y = r.b;
            e.drag = Drag::move;
            return;
        }
        e.drag = Drag::paint;
        place_here(e, true);
    } else if (button == 2) {
        if (palette_slot_at(s.pointer_x, s.pointer_y) >= 0) return;
        e.edit.start_gesture();
        e.drag = Drag::erase;
        remove_at(e, wx, wy);
    }
}

void follow_drag(Editor& e) {
    EditorScreen& s = e.screen;
    const int32_t wx = world_x(s, s.pointer_x), wy = world_y(s, s.pointer_y);
    const int32_t cx = floor_div(wx, kCell), cy = floor_div(wy, kCell);
    const bool new_cell = cx != e.last_cell_x || cy != e.last_cell_y;
    switch (e.drag) {
    case Drag::pan:
        s.view_x = e.view_at_press_x - (s.pointer_x - e.press_window_x);
        s.view_y = e.view_at_press_y - (s.pointer_y - e.press_window_y);
        keep_view_near_level(s);
        break;
    case Drag::paint:
        if (new_cell || s.fine) place_here(e, false);
        break;
    case Drag::erase:
        if (new_cell) remove_at(e, wx, wy);
        break;
    case Drag::move: {
        int32_t dx = wx - e.press_x, dy = wy - e.press_y;
        if (!s.fine) {
            dx = snap_step(dx);
            dy = snap_step(dy);
        }
        if (dx != 0 || dy != 0) e.drag_moved = true;
        if (e.drag_moved && e.edit.move(e.drag_record, e.drag_from_x + dx, e.drag_from_y + dy)) {
            const char letter = e.edit.document().records[static_cast<size_t>(e.drag_record)].letter;
            say(e, "moved the " + object_name(letter) + " to " + std::to_string(e.drag_from_x + dx) + "," +
                       std::to_string(e.drag_from_y + dy));
        }
        break;
    }
    case Drag::resize: {
        // the top edge follows the pointer: up grows the level
        const int32_t w = s.fine ? wx : floor_div(wx + kCell / 2, kCell) * kCell;
        const int32_t up = e.press_window_y - s.pointer_y;
        const int32_t h = e.height_at_press + (s.fine ? up : snap_step(up));
        const int32_t before = level_height;
        if (e.edit.set_size_keeping_ground(w, h)) {
            s.view_y += level_height - before;
            say(e, size_words());
        }
        break;
    }
    case Drag::none: break;
    }
    e.last_cell_x = cx;
    e.last_cell_y = cy;
}

void release(Editor& e) {
    // a click on an object without moving it places on top of it
    if (e.drag == Drag::move && !e.drag_moved) place_here(e, true);
    e.edit.end_gesture();
    e.drag = Drag::none;
    e.drag_record = -1;
}

void handle_mouse_event(Editor& e, const MouseEvent& m) {
    EditorScreen& s = e.screen;
    const bool inside = m.x >= 0 && m.y >= 0 && m.x < screen_width && m.y < screen_height;
    s.pointer_x = inside || e.drag != Drag::none ? m.x : -1;
    s.pointer_y = inside || e.drag != Drag::none ? m.y : -1;
    s.fine = shift_held();
    const int buttons = m.buttons & 7;
    const int pressed = buttons & ~e.previous_buttons;
    const int released = e.previous_buttons & ~buttons;
    e.previous_buttons = buttons;
    if (e.drag != Drag::none && released) release(e);
    if (s.pointer_x < 0) return;
    if (e.drag == Drag::none && pressed) {
        press(e, pressed & 4 ? 4 : pressed & 1 ? 1 : 2);
    } else if (e.drag != Drag::none) {
        follow_drag(e);
    }
}

// What the pointer is over, for the highlights.
void note_hover(Editor& e) {
    EditorScreen& s = e.screen;
    s.fine = shift_held();
    if (s.pointer_x < 0) {
        s.hover_record = -1;
        s.pointer_on_corner = false;
        return;
    }
    const bool in_panels = s.pointer_y >= status_panel_top() || palette_slot_at(s.pointer_x, s.pointer_y) >= 0;
    s.pointer_on_corner = !in_panels && over_corner(s);
    s.hover_record = in_panels || e.drag == Drag::resize
                         ? -1
                         : e.drag == Drag::move ? e.drag_record
                                                : e.edit.record_at(world_x(s, s.pointer_x), world_y(s, s.pointer_y));
}

}  // namespace

void run_editor(const std::string& level_path, int32_t level, std::atomic<bool>& close_requested) {
    Editor e;
    e.path = level_path;
    e.keys_path = level_path + ".keys";
    e.screen.file_name = file_name_of(level_path);
    std::string message;
    const LevelDocument doc = open_level_file(level_path, message);
    e.screen.file_written = static_cast<bool>(std::ifstream(level_path));
    e.edit.open(doc, level);
    // a key script beside the file that won this very level keeps it cleared
    if (fingerprint_in_key_script(read_small_file(e.keys_path)) == level_fingerprint(doc)) {
        e.edit.mark_cleared();
        message += "; cleared by " + file_name_of(e.keys_path);
    }
    say(e, message + ". Keys: 1-7 kind, S size, F5 play (P pauses), F6 search, W watch, Ctrl+S save");
    view_level_start(e.screen);
    start_input_events();

    while (!e.quit) {
        if (close_requested) {
            close_requested = false;
            try_quit(e);
            if (e.quit) break;
            say(e, "not saved: close again to quit without saving, Ctrl+S saves");
        }
        clear_keybuf();  // the keys come from the event queue
        KeyEvent k;
        while (!e.quit && next_key_event(k)) handle_key(e, k, close_requested);
        scroll_with_arrows(e);
        MouseEvent m;
        while (!e.quit && next_mouse_event(m)) handle_mouse_event(e, m);
        note_hover(e);
        draw_editor(e.edit, e.screen);
        rest(10);
    }
    stop_input_events();
    const char* saved = !e.edit.saved() ? "not saved" : e.screen.file_written ? "saved" : "new, never written";
    std::printf("%s: %s, %s\n", e.screen.file_name.c_str(), saved,
                e.edit.cleared() ? "cleared" : "not cleared");
}
