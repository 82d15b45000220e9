// Making and releasing the pictures: start-up and teardown only.
#pragma once

#include <string>

// Loads the twelve images and creates back_buffer and the player's health
// bar, in their fixed order. On the first one that fails, releases the ones
// already made (their handles become null) and says which one in `failure`.
bool create_assets(std::string& failure);

// Releases every bitmap create_assets made; must run before allegro_exit().
void destroy_assets();

// The level makers' tools load the pictures from beside their own program,
// as the game does from its folder: they turn the paths they were given into
// absolute ones, then enter that folder. False if it cannot be entered.
std::string absolute_path(const std::string& path);
bool enter_program_folder();
