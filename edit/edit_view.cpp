#include "edit/edit_view.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>

#include "render/assets.h"
#include "render/overlay_text.h"
#include "render/render_frame.h"
#include "world/level_table.h"
#include "world/world.h"

namespace {

constexpr int32_t kCell = 32;
constexpr int32_t kLineHeight = 11;
constexpr int32_t kStatusLines = 4;  // the last is the message, wrapped onto more when long
constexpr int32_t kMostMessageLines = 8;
int32_t message_lines = 1;  // as last drawn: the panel grows with the message

int c_grid, c_bounds, c_outside, c_panel, c_panel_edge, c_text, c_dim_text, c_chosen, c_hover,
    c_cell, c_start, c_ball, c_warn, c_good;

BITMAP* sprite_of(Kind kind) {
    switch (kind) {
    case Kind::ground: return ground_sprite;
    case Kind::fixed_block: return solid_block_sprite;
    case Kind::breakable_block: return breakable_block_sprite;
    case Kind::moving_block: return moving_block_sprite;
    case Kind::spider: return spider_sprite;
    case Kind::mushroom: return mushroom_sprite;
    case Kind::robot: return player_right_sprite;
    }
    return ground_sprite;
}

int32_t floor_div(int32_t v, int32_t d) { return v >= 0 ? v / d : -((-v + d - 1) / d); }

void text(int32_t x, int32_t y, int colour, const std::string& s) {
    textout_ex(back_buffer, font, s.c_str(), x, y, colour, -1);
}

// A label with a dark backing, readable over any sprite.
void label(int32_t x, int32_t y, int colour, const std::string& s) {
    const int32_t w = text_length(font, s.c_str());
    rectfill(back_buffer, x - 2, y - 2, x + w + 1, y + text_height(font) + 1, c_panel);
    text(x, y, colour, s);
}

void shade_outside_level(const EditorScreen& s) {
    const int32_t left = -s.view_x, top = -s.view_y;
    const int32_t right = left + level_width, bottom = top + level_height;
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    set_trans_blender(0, 0, 0, 140);
    const int32_t w = screen_width, h = screen_height;
    if (top > 0) rectfill(back_buffer, 0, 0, w - 1, std::min(top, h) - 1, c_outside);
    if (bottom < h) rectfill(back_buffer, 0, std::max(bottom, 0), w - 1, h - 1, c_outside);
    const int32_t band_top = std::max(top, 0), band_bottom = std::min(bottom, h) - 1;
    if (band_top <= band_bottom) {
        if (left > 0) rectfill(back_buffer, 0, band_top, std::min(left, w) - 1, band_bottom, c_outside);
        if (right < w) rectfill(back_buffer, std::max(right, 0), band_top, w - 1, band_bottom, c_outside);
    }
    solid_mode();
    rect(back_buffer, left - 1, top - 1, right, bottom, c_bounds);
    // the handle that sizes the level: at the top, the edge that moves
    rectfill(back_buffer, right - 3, top - 3, right + 3, top + 3,
             s.pointer_on_corner ? c_chosen : c_bounds);
}

void draw_grid(const EditorScreen& s) {
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    set_trans_blender(0, 0, 0, 70);
    const int32_t w = screen_width, h = screen_height;
    // only the lines on the screen: a huge level costs no more than a small one
    for (int32_t x = floor_div(s.view_x, kCell) * kCell - s.view_x; x < w; x += kCell)
        if (x >= 0) vline(back_buffer, x, 0, h - 1, c_grid);
    for (int32_t y = floor_div(s.view_y, kCell) * kCell - s.view_y; y < h; y += kCell)
        if (y >= 0) hline(back_buffer, 0, y, w - 1, c_grid);
    solid_mode();
}

void draw_markers(const LevelEdit& edit, const EditorScreen& s) {
    const int32_t px = player.x - s.view_x, py = player.y - s.view_y;
    rect(back_buffer, px - 1, py - 1, px + player.width, py + player.height, c_start);
    label(px, py - 13, c_start, "start");
    const int32_t bx = ball.home_x - s.view_x, by = ball.home_y - s.view_y;
    rect(back_buffer, bx - 1, by - 1, bx + ball.width, by + ball.height, c_ball);
    label(bx, by - 13, c_ball, "ball");
    if (is_boss_level(current_level)) label(boss.x - s.view_x + 4, boss.y - s.view_y + 4, c_warn, "boss");
    if (const PlacedObject* o = edit.object_of(s.hover_record)) {
        const int32_t x = o->x - s.view_x, y = o->y - s.view_y;
        rect(back_buffer, x - 1, y - 1, x + o->w, y + o->h, c_hover);
        rect(back_buffer, x - 2, y - 2, x + o->w + 1, y + o->h + 1, c_hover);
    }
}

// The cell (or pixel) the pointer places into, with a faint copy of the
// object that a click puts there.
void draw_pointer_cell(const EditorScreen& s) {
    if (s.pointer_x < 0 || palette_slot_at(s.pointer_x, s.pointer_y) >= 0 ||
        s.pointer_y >= status_panel_top() || s.hover_record >= 0 || s.pointer_on_corner)
        return;
    int32_t x = 0, y = 0;
    placement_point(s, s.kind, x, y);
    BITMAP* sprite = sprite_of(s.kind);
    const int32_t sx = x - s.view_x, sy = y - s.view_y;
    set_trans_blender(0, 0, 0, 120);
    draw_trans_sprite(back_buffer, sprite, sx, sy);
    rect(back_buffer, sx, sy, sx + sprite->w - 1, sy + sprite->h - 1, c_cell);
    if (!s.fine) {
        const int32_t cx = floor_div(world_x(s, s.pointer_x), kCell) * kCell - s.view_x;
        const int32_t cy = floor_div(world_y(s, s.pointer_y), kCell) * kCell - s.view_y;
        rect(back_buffer, cx, cy, cx + kCell - 1, cy + kCell - 1, c_chosen);
    }
}

void draw_palette(const EditorScreen& s) {
    const int32_t right = kPaletteLeft + kKindCount * kPaletteSlot;
    // the panel covers the robot's health bar too: it means nothing here
    rectfill(back_buffer, 0, 0, std::min(screen_width - 1, right + 196), kPaletteTop + kPaletteSlot + 10, c_panel);
    for (int i = 0; i < kKindCount; ++i) {
        const int32_t x = kPaletteLeft + i * kPaletteSlot, y = kPaletteTop;
        const bool chosen = kind_at(i) == s.kind;
        rect(back_buffer, x, y, x + kPaletteSlot - 3, y + kPaletteSlot - 3, chosen ? c_chosen : c_panel_edge);
        if (chosen) rect(back_buffer, x + 1, y + 1, x + kPaletteSlot - 4, y + kPaletteSlot - 4, c_chosen);
        BITMAP* sprite = sprite_of(kind_at(i));
        // the sprite shrunk to the slot, its shape kept
        const int32_t room = kPaletteSlot - 8;
        const int32_t big = std::max(sprite->w, sprite->h);
        const int32_t w = sprite->w * room / big, h = sprite->h * room / big;
        stretch_sprite(back_buffer, sprite, x + 3 + (room - w) / 2, y + 3 + (room - h) / 2, w, h);
        char number[2] = {static_cast<char>('1' + i), 0};
        text(x + 3, y + kPaletteSlot - 1, chosen ? c_chosen : c_dim_text, number);
    }
    const int32_t hovered = palette_slot_at(s.pointer_x, s.pointer_y);
    if (hovered >= 0)
        label(kPaletteLeft + hovered * kPaletteSlot, kPaletteTop + kPaletteSlot + 12, c_text,
              std::to_string(hovered + 1) + " " + kind_info(kind_at(hovered)).name);
    text(right + 8, 5, c_dim_text, "F5 play    Ctrl+S save");
    text(right + 8, 17, c_dim_text, "Ctrl+Z/Y  undo/redo");
    text(right + 8, 29, c_dim_text, "G grid    Shift 1-pixel");
    text(right + 8, 41, c_dim_text, "Ctrl+arrows  level size");
}

std::string count_text(const char* name, int32_t count, int32_t capacity) {
    return std::string(name) + " " + std::to_string(count) + "/" + std::to_string(capacity);
}

void draw_status(const LevelEdit& edit, const EditorScreen& s) {
    const int32_t top = status_panel_top();
    rectfill(back_buffer, 0, top, screen_width - 1, screen_height - 1, c_panel);
    hline(back_buffer, 0, top, screen_width - 1, c_panel_edge);
    std::string where = "-";
    if (s.pointer_x >= 0)
        where = std::to_string(world_x(s, s.pointer_x)) + "," + std::to_string(world_y(s, s.pointer_y));
    const int32_t y1 = top + 4, y2 = y1 + kLineHeight, y3 = y2 + kLineHeight, y4 = y3 + kLineHeight;
    text(4, y1, c_chosen, std::to_string(static_cast<int>(s.kind) + 1) + " " + kind_info(s.kind).name);
    text(180, y1, c_text, "at " + where);
    const bool saved = edit.saved(), cleared = edit.cleared();
    std::string level = s.file_name + "  level " + std::to_string(edit.level()) + "  " +
                        std::to_string(level_width) + " by " + std::to_string(level_height);
    text(4, y2, c_dim_text, level);
    int32_t x = 4 + text_length(font, level.c_str()) + 24;
    // a file never written is not "saved", however few the edits
    text(x, y2, saved ? (s.file_written ? c_good : c_dim_text) : c_warn,
         saved ? (s.file_written ? "saved" : "new") : "not saved");
    x += text_length(font, "not saved") + 16;
    text(x, y2, cleared ? c_good : c_dim_text, cleared ? "cleared" : "not cleared");
    const auto full = [](int32_t count, int32_t capacity) { return count >= capacity; };
    x = 4;
    const struct {
        const char* name;
        int32_t count, capacity;
    } tables[] = {{"ground", ground_count, kGroundCapacity},
                  {"blocks", block_count, kBlockCapacity},
                  {"spiders", spider_count, kSpiderCapacity},
                  {"mushrooms", mushroom_count, kMushroomCapacity}};
    for (const auto& t : tables) {
        const std::string s2 = count_text(t.name, t.count, t.capacity);
        text(x, y3, full(t.count, t.capacity) ? c_warn : c_text, s2);
        x += text_length(font, s2.c_str()) + 16;
    }
    const std::vector<std::string> lines = wrap_text(s.message, (screen_width - 8) / 8);
    for (size_t i = 0; i < lines.size() && static_cast<int32_t>(i) < kMostMessageLines; ++i)
        text(4, y4 + static_cast<int32_t>(i) * kLineHeight, c_text, lines[i]);
}

void draw_pointer(const EditorScreen& s) {
    if (s.pointer_x < 0) return;
    const int32_t x = s.pointer_x, y = s.pointer_y;
    hline(back_buffer, x - 6, y, x - 2, c_text);
    hline(back_buffer, x + 2, y, x + 6, c_text);
    vline(back_buffer, x, y - 6, y - 2, c_text);
    vline(back_buffer, x, y + 2, y + 6, c_text);
}

}  // namespace

int32_t status_panel_top() { return screen_height - ((kStatusLines - 1 + message_lines) * kLineHeight + 6); }

int32_t palette_slot_at(int32_t x, int32_t y) {
    if (y < kPaletteTop || y >= kPaletteTop + kPaletteSlot || x < kPaletteLeft) return -1;
    const int32_t slot = (x - kPaletteLeft) / kPaletteSlot;
    return slot < kKindCount ? slot : -1;
}

int32_t world_x(const EditorScreen& s, int32_t window_x) { return s.view_x + window_x; }
int32_t world_y(const EditorScreen& s, int32_t window_y) { return s.view_y + window_y; }

void placement_point(const EditorScreen& s, Kind kind, int32_t& x, int32_t& y) {
    const int32_t wx = world_x(s, s.pointer_x), wy = world_y(s, s.pointer_y);
    if (s.fine) {
        x = wx;
        y = wy;
        return;
    }
    BITMAP* sprite = sprite_of(kind);
    x = floor_div(wx, kCell) * kCell;
    y = floor_div(wy, kCell) * kCell + kCell - (sprite ? sprite->h : kCell);
}

void init_editor_colours() {
    c_grid = makecol(150, 160, 200);
    c_bounds = makecol(250, 210, 60);
    c_outside = makecol(40, 48, 80);
    c_panel = makecol(22, 26, 40);
    c_panel_edge = makecol(90, 100, 130);
    c_text = makecol(235, 235, 240);
    c_dim_text = makecol(160, 168, 190);
    c_chosen = makecol(90, 220, 255);
    c_hover = makecol(255, 90, 90);
    c_cell = makecol(90, 220, 255);
    c_start = makecol(120, 255, 120);
    c_ball = makecol(255, 170, 60);
    c_warn = makecol(255, 120, 90);
    c_good = makecol(120, 255, 120);
}

void draw_editor(const LevelEdit& edit, const EditorScreen& s) {
    message_lines = std::min(static_cast<int32_t>(wrap_text(s.message, (screen_width - 8) / 8).size()),
                             kMostMessageLines);
    offset_x = -s.view_x;
    offset_y = -s.view_y;
    compose_frame();
    shade_outside_level(s);
    if (s.grid) draw_grid(s);
    draw_markers(edit, s);
    draw_pointer_cell(s);
    draw_palette(s);
    draw_status(edit, s);
    draw_pointer(s);
    show_editor_picture(back_buffer);
}

int32_t editor_scale = 1;

void show_editor_picture(BITMAP* picture) {
    acquire_screen();
    if (editor_scale <= 1)
        blit(picture, screen, 0, 0, 0, 0, screen_width, screen_height);
    else  // a whole factor, no blur, as the game enlarges its frames
        stretch_blit(picture, screen, 0, 0, screen_width, screen_height, 0, 0, screen_width * editor_scale,
                     screen_height * editor_scale);
    release_screen();
}
