// Noting the frame's events for the shell's sounds; no rule reads them.
#pragma once

#include <cstdint>

#include "world/frame_events.h"

// Lowers every event flag and moves this frame's lasting contacts to "the
// frame before". The first step of every frame.
void start_frame_events();

// Marks a lasting contact as going on in this frame; true only in the first
// frame of it.
bool contact_begins(uint8_t LastingContacts::*contact);
