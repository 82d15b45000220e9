#include "shell/startup.h"

#include <allegro.h>

#include <cstdio>
#include <string>

#include "render/asset_files.h"
#include "render/render_frame.h"
#include "shell/display_mode.h"
#include "shell/game_loop.h"
#include "shell/music.h"
#include "shell/pause.h"
#include "shell/play_record.h"
#include "shell/presenter.h"
#include "shell/sound_effects.h"
#include "world/config.h"
#include "world/progress.h"
#include "world/world.h"

namespace {

// Far beyond any real screen. X takes seconds to refuse a larger size, the
// back buffer would need gigabytes, and a side of 0 makes X abort the
// program, so such sizes are turned down before the display is touched.
constexpr int32_t kLargestScreenSide = 16384;

bool usable_side(int32_t side) { return side >= 1 && side <= kLargestScreenSide; }

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "headbot: %s\n", message.c_str());
    allegro_exit();
    return status;
}

}  // namespace

int start_up() {
    // what keeps the game from doing as asked is said once, and play goes on
    for (const std::string& problem : {read_config_file("config.txt"), progress_write_problem()})
        if (!problem.empty()) std::fprintf(stderr, "headbot: %s\n", problem.c_str());

    // Without a display the library cannot start, and the set-up calls after
    // it would crash: treat it as a refused display mode.
    if (allegro_init() != 0) {
        allegro_exit();
        return 1;
    }
    install_keyboard();
    install_timer();
    install_joystick(JOY_TYPE_AUTODETECT);
    install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr);  // silent play is fine
    load_sound_effects();
    set_color_depth(16);

    if (!usable_side(screen_width) || !usable_side(screen_height)) {
        return fail(2, "cannot make a " + std::to_string(screen_width) + " by " +
                           std::to_string(screen_height) +
                           " screen (config.txt): each side must be 1 to " +
                           std::to_string(kLargestScreenSide) + " pixels");
    }
    if (!open_display()) {
        allegro_exit();
        return 1;
    }
    set_window_title("Headbot");
    set_close_button_callback(request_close);

    // The 16-bit pixel layout is fixed only once the display mode is set, so
    // the pictures are loaded after it.
    std::string failure;
    if (!create_assets(failure)) return fail(2, failure);
    if (!start_presenter(display_placement())) {
        destroy_assets();
        return fail(2, "cannot make the pictures for the screen");
    }
    show_frame = [](BITMAP* frame) { present(frame, screen_width, screen_height); };
    watch_shell_keys();
    open_play_record();
    return 0;
}

void tear_down() {
    stop_presenter();
    close_play_record();
    destroy_assets();  // bitmaps outliving the library crash on release
    release_music();
    release_sound_effects();
    allegro_exit();
}
