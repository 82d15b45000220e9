#pragma once

// Jump, walk right, walk left, from held_keys; each walk moves the camera.
void read_player_input();
