#pragma once

struct BITMAP;

// How a finished frame reaches the screen: a plain copy unless the game
// shell puts its enlarged copy here.
extern void (*show_frame)(BITMAP* frame);

// Draws the whole world into back_buffer, then copies it to the screen.
void render_frame();

// The drawing alone: every record into back_buffer, without the screen.
void compose_frame();

// The level as a map shows it: every object at its place, the robot at its
// start, without the health bar and the falling spider's starting point.
void compose_level_map();

// The robot's sprite alone, without its health bar.
void draw_robot();
