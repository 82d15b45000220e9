// A level pack's title and author over the title picture, when the game
// folder plays a pack: the player sees whose levels these are.
#pragma once

// Shown while the title screen waits, taken away when it is left. The words
// come from "pack-title" in the game's folder, read once; without it nothing
// is shown.
void show_pack_title();
void hide_pack_title();
