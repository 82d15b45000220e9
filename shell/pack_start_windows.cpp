#include "shell/pack_start.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "render/asset_files.h"
#include "world/pack_folder.h"

namespace {

constexpr int kRefused = 2;

// Started from a console (or Wine) the line goes there; double-clicked or
// given a dropped file, a window program has nowhere to write, so it is shown.
void say(const std::string& line, bool refusal) {
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err != nullptr && err != INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
    } else if (refusal) {
        MessageBoxA(nullptr, line.c_str(), "Headbot", MB_OK | MB_ICONERROR);
    }
}

int refuse(const std::string& what) {
    say("headbot: " + what, true);
    return kRefused;
}

}  // namespace

// The pack's folder is packs\KEY beside headbot.exe, where the player
// unpacked the game: it holds copies of the shipped data (Windows has no
// links a player can make), the pack's levels and its own "saved", so the
// player's own progress beside headbot.exe is never touched.
int start_in_pack_folder(int argc, char** argv) {
    if (argc < 2) return 0;
    if (argc > 2) return refuse("give headbot.exe one level pack, NAME.headbot (or drop it on headbot.exe)");
    // the pack is named from where the game was started, then the game's folder is entered
    const std::string pack = absolute_path(argv[1]);
    if (!enter_program_folder()) return refuse("cannot enter the folder headbot.exe lies in");
    ReadyPack ready;
    std::string error;
    if (!ready_pack_folder(pack, "packs", ready, error) || !copy_shipped_data(".", ready.folder, ready.levels, error))
        return refuse(error);
    std::error_code ec;
    std::filesystem::current_path(ready.folder, ec);
    if (ec) return refuse("cannot enter the pack's folder " + ready.folder + ": " + ec.message());
    if (!ready.unproven.empty()) say(unproven_pack_line(argv[1], ready.unproven), false);
    return 0;
}
