#include "world/world.h"

int32_t screen_width = 640;
int32_t screen_height = 480;
int32_t frame_delay_ms = 0;
int32_t frame_skip = 0;

int32_t frame_skip_counter = 0;

int32_t level_width = 6000;
int32_t level_height = 1000;
int32_t current_level = 1;

// Taken from the default screen height: the configuration is not read yet.
int32_t view_bottom = 480;
int32_t offset_y = 0;
int32_t camera_x = 0;
int32_t offset_x = 0;

uint8_t game_over = 0;
uint8_t level_done = 0;

Player player;
GroundTile ground_tiles[kGroundCapacity];
Mushroom mushrooms[kMushroomCapacity];
Ball ball;
Boss boss;
Block blocks[kBlockCapacity];
Spider spiders[kSpiderCapacity];
FallingSpider falling_spider;

int32_t ground_count = 0;
int32_t mushroom_count = 0;
int32_t block_count = 0;
int32_t spider_count = 0;

HeldKeys held_keys;

void hold_keys(uint8_t keys) {
    held_keys = HeldKeys();
    held_keys.up = (keys & kKeyUp) != 0;
    held_keys.left = (keys & kKeyLeft) != 0;
    held_keys.right = (keys & kKeyRight) != 0;
}

FrameEvents frame_events;
LastingContacts contacts_now;
LastingContacts contacts_before;

bool is_boss_level(int32_t level) { return level == 4 || level == 7; }

bool has_falling_spider(int32_t level) { return level == 4 || level == 6 || level == 7; }

void reset_world() {
    screen_width = 640;
    screen_height = 480;
    frame_delay_ms = 0;
    frame_skip = 0;
    frame_skip_counter = 0;
    level_width = 6000;
    level_height = 1000;
    current_level = 1;
    view_bottom = 480;
    offset_y = 0;
    camera_x = 0;
    offset_x = 0;
    game_over = 0;
    level_done = 0;

    BITMAP* bar = player.health_bar;  // owned by start-up, not by the world
    player = Player();
    player.health_bar = bar;
    for (auto& t : ground_tiles) t = GroundTile();
    for (auto& m : mushrooms) m = Mushroom();
    ball = Ball();
    boss = Boss();
    for (auto& b : blocks) b = Block();
    for (auto& s : spiders) s = Spider();
    falling_spider = FallingSpider();

    ground_count = 0;
    mushroom_count = 0;
    block_count = 0;
    spider_count = 0;
    held_keys = HeldKeys();
    frame_events = FrameEvents();
    contacts_now = LastingContacts();
    contacts_before = LastingContacts();
}
