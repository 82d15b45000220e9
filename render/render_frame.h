#pragma once

// Draws the whole world into back_buffer, then copies it to the screen.
void render_frame();

// The drawing alone: every record into back_buffer, without the screen.
void compose_frame();
