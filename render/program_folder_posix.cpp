#include <unistd.h>

#include <climits>
#include <string>

#include "render/asset_files.h"

std::string absolute_path(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) return path;
    return std::string(cwd) + "/" + path;
}

bool enter_program_folder() {
    char self[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return false;
    self[n] = '\0';
    std::string dir(self);
    dir.resize(dir.find_last_of('/'));
    return chdir(dir.c_str()) == 0;
}
