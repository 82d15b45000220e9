// The camera moves only by the robot's own steps: its walk or its fall.
#include "sim/camera.h"

#include "world/world.h"

namespace {

int32_t player_centre_line() { return player.y + player.height / 2; }

int32_t view_centre_line() { return view_bottom - screen_height / 2; }

void move_view_down(int32_t step) {
    view_bottom = view_bottom + step;
    offset_y = offset_y - step;
}

void move_view_right(int32_t step) {
    camera_x = camera_x + step;
    offset_x = offset_x - step;
}

}  // namespace

void scroll_vertical() {
    // bounds are tested before each move and nothing clamps after it, so the
    // view may overshoot the level's top or bottom by less than one step
    if (player_centre_line() - 1 < view_centre_line() && view_bottom > screen_height) {
        if (player.airborne == 1 && player.fall_step < 0)
            move_view_down(player.fall_step);  // rise with the robot
        else
            move_view_down(-player.walk_speed);
    }
    if (player_centre_line() > view_centre_line() && view_bottom < level_height) {
        if (player.airborne == 1 && player.fall_step > 0)
            move_view_down(player.fall_step);  // fall with the robot
        else
            move_view_down(player.walk_speed);
    }
}

void scroll_right() {
    if (player.x > camera_x + screen_width / 2 && camera_x < level_width - screen_width)
        move_view_right(player.walk_speed);
}

void scroll_left() {
    if (player.x < camera_x + screen_width / 2 && camera_x > 0)
        move_view_right(-player.walk_speed);
}
