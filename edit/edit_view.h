// The editor's screen: the level drawn as the game draws it, then the grid,
// the level's bounds, the markers, the palette and the status lines on top.
#pragma once

#include <cstdint>
#include <string>

#include "edit/level_edit.h"

struct BITMAP;

struct EditorScreen {
    int32_t view_x = 0;  // the world point at the window's top-left corner
    int32_t view_y = 0;
    bool grid = true;
    Kind kind = Kind::ground;
    int32_t pointer_x = -1;  // window coordinates; -1 when outside
    int32_t pointer_y = -1;
    bool fine = false;           // 1-pixel placement
    int32_t hover_record = -1;   // the object a right click would remove
    bool pointer_on_corner = false;
    std::string file_name;
    bool file_written = false;  // the file is on disk: "saved" means something
    std::string message;
};

// Palette slots and the resize handle, for the mouse.
constexpr int32_t kPaletteSlot = 40;
constexpr int32_t kPaletteTop = 4;
constexpr int32_t kPaletteLeft = 4;
int32_t palette_slot_at(int32_t x, int32_t y);  // -1 outside the palette
int32_t status_panel_top();
constexpr int32_t kCornerGrab = 8;

// Where the pointer's object goes: the grid cell under it, the object's
// bottom on the cell's bottom; with fine placement the pointer itself.
void placement_point(const EditorScreen& s, Kind kind, int32_t& x, int32_t& y);
int32_t world_x(const EditorScreen& s, int32_t window_x);
int32_t world_y(const EditorScreen& s, int32_t window_y);

// Each editor pixel is a square of this many window pixels: the game's own
// factor on the same config.txt. Set before the window opens.
extern int32_t editor_scale;
// Copies a picture of the editor's size to the window, enlarged.
void show_editor_picture(BITMAP* picture);

// Builds the colours once the display mode is set.
void init_editor_colours();
void draw_editor(const LevelEdit& edit, const EditorScreen& s);
