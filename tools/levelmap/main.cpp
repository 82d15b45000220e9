// headbot-map: draws a whole level file into one picture with the game's own
// drawing, every object at its place, the ball at its home and the robot at
// its start, so that a level maker sees the level at a glance.
#include <allegro.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "render/asset_files.h"
#include "render/assets.h"
#include "render/render_frame.h"
#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/world.h"

namespace {

// A map larger than this on a side would need gigabytes.
constexpr int32_t kLargestMapSide = 16384;

int usage() {
    std::fprintf(stderr,
                 "usage: headbot-map LEVEL_FILE OUTPUT.bmp [--level N]\n"
                 "  draws LEVEL_FILE as level N (by default the level whose file has\n"
                 "  that name, else 1) with the pictures beside headbot-map\n");
    return 2;
}

bool load_level_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    read_level_records(in);
    settle_level_start();
    offset_y = 0;  // the whole level, from its top-left corner
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && std::strcmp(argv[3], "--level") == 0)) return usage();
    const std::string level_path = absolute_path(argv[1]);
    const std::string output = absolute_path(argv[2]);
    current_level = argc == 5 ? std::atoi(argv[4]) : level_of_file_name(level_path);
    if (current_level < 1 || current_level > kLevelCount) return usage();

    if (!load_level_file(level_path)) {
        std::fprintf(stderr, "headbot-map: cannot read %s\n", level_path.c_str());
        return 1;
    }
    if (level_width < 1 || level_height < 1 || level_width > kLargestMapSide ||
        level_height > kLargestMapSide) {
        std::fprintf(stderr, "headbot-map: a %d by %d level is too large or too small to draw\n",
                     level_width, level_height);
        return 1;
    }

    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    std::string failure;
    if (!enter_program_folder() || !create_assets(failure)) {
        std::fprintf(stderr, "headbot-map: %s\n", failure.empty() ? "no pictures" : failure.c_str());
        return 1;
    }
    destroy_bitmap(back_buffer);
    back_buffer = create_bitmap(level_width, level_height);
    compose_level_map();
    int saved = save_bmp(output.c_str(), back_buffer, nullptr);
    destroy_assets();
    if (saved != 0) {
        std::fprintf(stderr, "headbot-map: cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s: level %d, %d by %d\n", output.c_str(), current_level, level_width, level_height);
    return 0;
}
END_OF_MAIN()
