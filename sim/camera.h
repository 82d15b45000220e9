// The view follows the robot: vertically once per frame, horizontally only
// while it walks.
#pragma once

void scroll_vertical();
void scroll_right();
void scroll_left();
