// headbot-edit: a level file on a grid, edited with the mouse, saved in the
// game's own format, and played on the spot with the game's own frames.
#include <allegro.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "edit/edit_view.h"
#include "edit/editor_input.h"
#include "edit/open_level.h"
#include "edit/pack_level.h"
#include "render/asset_files.h"
#include "render/assets.h"
#include "render/render_frame.h"
#include "shell/scale.h"
#include "shell/sound_effects.h"
#include "world/config.h"
#include "world/level_table.h"
#include "world/owned_file.h"
#include "world/world.h"

namespace {

constexpr int32_t kLargestScreenSide = 16384;

int usage() {
    std::fprintf(stderr,
                 "usage: headbot-edit LEVEL_FILE [--level N]\n"
                 "       headbot-edit PACK.headbot LEVEL_NAME\n"
                 "  edits LEVEL_FILE (made when it does not exist), played as level N:\n"
                 "  by default the level whose file has that name, else 1; or the level\n"
                 "  LEVEL_NAME of a level pack, stored back into the pack at each save\n"
                 "keys: 1-7 kind, Ctrl+S save, Ctrl+Z/Y undo/redo, S type the size, F5 play\n"
                 "  (P pauses, Esc ends), F6 search for a win, W watch it, Esc quit\n");
    return 2;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "headbot-edit: %s\n", message.c_str());
    release_sound_effects();
    allegro_exit();
    return 1;
}

std::atomic<bool> close_requested{false};
void request_close() { close_requested = true; }

}  // namespace

int main(int argc, char** argv) {
    std::string level_path;
    if (argc == 3 && is_pack_file(argv[1])) {
        // a level of a pack: edited in a scratch folder, stored back at each save
        std::string error;
        if (!open_pack_level(absolute_path(argv[1]), argv[2], level_path, error)) {
            std::fprintf(stderr, "headbot-edit: %s\n", error.c_str());
            return 1;
        }
    } else if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--level") == 0)) {
        return usage();
    } else {
        level_path = absolute_path(argv[1]);
    }
    int32_t level = level_of_file_name(level_path);
    if (argc == 4) {
        char* end = nullptr;
        const long n = std::strtol(argv[3], &end, 10);
        if (*argv[3] == '\0' || *end != '\0' || n < 1 || n > kLevelCount) return usage();
        level = static_cast<int32_t>(n);
    }
    // a file size limit is a failed save, not the end of the editor and its edits
    let_oversized_writes_fail();

    // the player's settings where the editor is started, else the game's own
    if (access("config.txt", R_OK) != 0) enter_program_folder();
    read_config_file("config.txt");
    if (screen_width < 1 || screen_height < 1 || screen_width > kLargestScreenSide ||
        screen_height > kLargestScreenSide) {
        std::fprintf(stderr, "headbot-edit: cannot make a %d by %d window (config.txt)\n", screen_width,
                     screen_height);
        return 2;
    }
    if (!enter_program_folder()) {
        std::fprintf(stderr, "headbot-edit: cannot find the folder of the pictures\n");
        return 1;
    }

    if (allegro_init() != 0) {
        allegro_exit();
        std::fprintf(stderr, "headbot-edit: no display\n");
        return 1;
    }
    install_keyboard();
    install_timer();
    install_mouse();
    install_joystick(JOY_TYPE_AUTODETECT);
    // test play sounds as the game does; without a sound device it is silent
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    load_sound_effects();
    set_color_depth(16);
    // the game's window factor on the same config.txt, so a level looks as
    // large in the editor as in play
    int desktop_w = 0, desktop_h = 0;
    if (get_desktop_resolution(&desktop_w, &desktop_h) != 0) desktop_w = desktop_h = 0;
    editor_scale = window_scale({desktop_w, desktop_h}, screen_width, screen_height, display_scale);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, screen_width * editor_scale, screen_height * editor_scale, 0, 0) != 0)
        return fail(std::string("cannot open a window: ") + allegro_error);
    show_frame = show_editor_picture;  // test play's frames, enlarged the same way
    set_window_title(("headbot-edit " + file_name_of(level_path)).c_str());
    set_close_button_callback(request_close);
    std::string failure;
    if (!create_assets(failure)) return fail(failure);
    init_editor_colours();

    run_editor(level_path, level, close_requested);
    close_pack_level();

    destroy_assets();
    release_sound_effects();
    allegro_exit();
    return 0;
}
END_OF_MAIN()
