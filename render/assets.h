// The pictures the game draws, loaded or created once at start-up and
// released at the end.
#pragma once

struct BITMAP;

extern BITMAP* title_image;
extern BITMAP* game_over_image;
extern BITMAP* back_buffer;
extern BITMAP* player_right_sprite;
extern BITMAP* player_left_sprite;
extern BITMAP* ground_sprite;
extern BITMAP* moving_block_sprite;
extern BITMAP* solid_block_sprite;
extern BITMAP* breakable_block_sprite;
extern BITMAP* mushroom_sprite;
extern BITMAP* ball_sprite;
extern BITMAP* spider_sprite;
extern BITMAP* boss_sprite;
