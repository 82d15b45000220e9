// The records of the world. Each kind is a plain class; its constructor sets
// the values every entry has at program start. `update` is defined in sim/,
// `draw` in render/.
#pragma once

#include <cstdint>

struct BITMAP;

struct Player {
    BITMAP* health_bar = nullptr;
    int32_t x = 100;
    int32_t y = 900;
    int32_t fall_step = 0;
    int32_t fall_accum = 0;
    int32_t width = 29;
    int32_t height = 41;
    int32_t facing = 1;  // 1 right, 2 left
    int32_t step_counter = 0;
    int32_t walk_speed = 2;
    int32_t jump_accum = -60;
    int32_t health = 100;
    int32_t lives = 1;
    int32_t respawn_x = 100;
    int32_t respawn_y = 100;
    int32_t max_health = 100;
    uint8_t airborne = 0;

    void update();
    void draw();
};

struct Ball {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 31;
    int32_t height = 32;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t home_y = 0;
    int32_t home_x = 0;
    int32_t speed = 1;

    void update();
    void draw();
};

struct Boss {
    int32_t x = 100;
    int32_t y = 10;
    int32_t fall_step = 0;
    int32_t fall_accum = 0;
    int32_t width = 280;
    int32_t height = 133;
    int32_t direction = 1;  // 1 right, 2 left
    int32_t step_counter = 0;
    int32_t speed = 2;
    int32_t contact_damage = 1;
    uint8_t airborne = 0;

    void update();
    void draw();
};

struct GroundTile {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 32;
    int32_t height = 32;

    void update();
    void draw();
};

struct Mushroom {
    int32_t x = 400;
    int32_t y = 200;
    int32_t width = 32;
    int32_t height = 32;

    void update();
    void draw();
};

struct Block {
    uint8_t kind = 0;  // 0 fixed (breakable ones too), 1 moving
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 32;
    int32_t height = 32;
    int32_t vx = 0;
    uint8_t present = 1;
    uint8_t breakable = 0;

    void update();
    void draw();
};

struct Spider {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 65;
    int32_t height = 31;
    int32_t damage = 1;
    uint8_t alive = 1;
    uint8_t stompable = 1;

    void update();
    void draw();
};

// Drawn with Spider::draw; its own update calls Spider::update for the contact.
struct FallingSpider : Spider {
    int32_t fall_speed;

    FallingSpider() : Spider() {
        fall_speed = 2;
        alive = 1;
        x = 100;
    }

    void update();
};
