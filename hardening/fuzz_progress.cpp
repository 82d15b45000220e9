// "saved" as any bytes. read_progress takes the first non-blank character if
// it is a progress letter; a level start then writes that level's letter back,
// so reading it again must give the same level.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/progress.h"
#include "world/world.h"

namespace {

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "progress fault: %s\n", what);
    std::abort();
}

bool is_blank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string file_text(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

char work_dir[] = "/tmp/headbot-fuzz-progress-XXXXXX";

void remove_work_dir() {
    if (chdir("/") != 0) return;
    const std::string saved = std::string(work_dir) + "/saved";
    unlink(saved.c_str());
    rmdir(work_dir);
}

}  // namespace

// Works in a directory of its own with no level files: every level start
// then loads an empty level, which is all this target needs. Paths given to
// the fuzzer must therefore be absolute.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!mkdtemp(work_dir) || chdir(work_dir) != 0) fault("no working directory");
    std::atexit(remove_work_dir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out("saved", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    size_t first = 0;
    while (first < size && is_blank(data[first])) ++first;
    const int32_t named = first < size ? level_of_progress_letter(static_cast<char>(data[first])) : 0;

    reset_world();
    current_level = 3;  // what an earlier game may have left
    read_progress();
    if (current_level != (named != 0 ? named : 3)) fault("wrong level from the first letter");

    load_level();
    const std::string written = file_text("saved");
    const LevelEntry* entry = level_entry(current_level);
    if (!entry) fault("a level outside the table was started");
    const std::string letter = entry->progress_letter ? std::string(1, entry->progress_letter) : "";
    if (written != letter) fault("the level start did not write its letter alone");

    const int32_t started = current_level;
    current_level = 1;
    read_progress();
    if (current_level != started) fault("the letter written does not read back");
    return 0;
}
