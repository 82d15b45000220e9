#include "render/assets.h"
#include "render/asset_files.h"

#include <allegro.h>

#include <climits>
#include <string>

#include "world/world.h"

BITMAP* title_image = nullptr;
BITMAP* game_over_image = nullptr;
BITMAP* back_buffer = nullptr;
BITMAP* player_right_sprite = nullptr;
BITMAP* player_left_sprite = nullptr;
BITMAP* ground_sprite = nullptr;
BITMAP* moving_block_sprite = nullptr;
BITMAP* solid_block_sprite = nullptr;
BITMAP* breakable_block_sprite = nullptr;
BITMAP* mushroom_sprite = nullptr;
BITMAP* ball_sprite = nullptr;
BITMAP* spider_sprite = nullptr;
BITMAP* boss_sprite = nullptr;

namespace {

// Where each bitmap goes, in the order they are made; a slot without a file
// is a blank bitmap made here.
struct AssetSlot {
    BITMAP** handle;
    const char* file;
    const char* what;
};

AssetSlot* asset_slots() {
    static AssetSlot slots[] = {
        {&title_image, "title.bmp", nullptr},
        {&game_over_image, "GAMEOVER.bmp", nullptr},
        {&back_buffer, nullptr, "back buffer"},
        {&player_right_sprite, "robot1.bmp", nullptr},
        {&player_left_sprite, "robot.bmp", nullptr},
        {&ground_sprite, "ground.bmp", nullptr},
        {&moving_block_sprite, "doubleblock.bmp", nullptr},
        {&solid_block_sprite, "block2.bmp", nullptr},
        {&breakable_block_sprite, "block.bmp", nullptr},
        {&player.health_bar, nullptr, "health bar"},
        {&mushroom_sprite, "mushroom.bmp", nullptr},
        {&ball_sprite, "anti.bmp", nullptr},
        {&spider_sprite, "spider.bmp", nullptr},
        {&boss_sprite, "boss1.bmp", nullptr},
    };
    return slots;
}

constexpr int kAssetCount = 14;

void destroy_first(int count) {
    AssetSlot* slots = asset_slots();
    for (int i = 0; i < count; ++i) {
        if (*slots[i].handle) destroy_bitmap(*slots[i].handle);
        *slots[i].handle = nullptr;
    }
}

}  // namespace

bool create_assets(std::string& failure) {
    AssetSlot* slots = asset_slots();
    for (int i = 0; i < kAssetCount; ++i) {
        AssetSlot& slot = slots[i];
        int32_t w = 0;
        int32_t h = 0;
        if (slot.file) {
            *slot.handle = load_bitmap(slot.file, nullptr);
        } else {
            const bool whole_screen = slot.handle == &back_buffer;
            w = whole_screen ? screen_width : 100;
            h = whole_screen ? screen_height : 20;
            *slot.handle = (w > 0 && h > 0) ? create_bitmap(w, h) : nullptr;
        }
        if (!*slot.handle) {
            failure = slot.file ? std::string("cannot load image ") + slot.file
                                : "cannot create the " + std::to_string(w) + " by " +
                                      std::to_string(h) + " " + slot.what;
            destroy_first(i);
            return false;
        }
    }
    return true;
}

void destroy_assets() { destroy_first(kAssetCount); }
