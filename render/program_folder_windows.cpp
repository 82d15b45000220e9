#include <windows.h>

#include <string>

#include "render/asset_files.h"

std::string absolute_path(const std::string& path) {
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    // too long for the old limit: kept as given, relative to where we started
    if (n == 0 || n >= sizeof full) return path;
    return std::string(full, n);
}

bool enter_program_folder() {
    char self[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
    if (n == 0 || n >= sizeof self) return false;
    std::string dir(self, n);
    const size_t cut = dir.find_last_of("\\/");
    if (cut == std::string::npos) return false;
    dir.resize(cut == 2 && dir[1] == ':' ? 3 : cut);  // "C:\" is a folder, "C:" is not
    return SetCurrentDirectoryA(dir.c_str()) != 0;
}
