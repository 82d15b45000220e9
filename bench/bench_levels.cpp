#include "bench_levels.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "world/level_loader.h"
#include "world/level_table.h"
#include "world/world.h"

namespace {

std::string scratch() {
    static std::string dir;
    if (dir.empty()) {
        char tmpl[] = "/tmp/headbot-bench-XXXXXX";
        if (!mkdtemp(tmpl)) throw std::runtime_error("no scratch folder");
        dir = tmpl;
        for (const LevelEntry& e : level_table) {
            std::ifstream in(std::string(GAME_DIR) + "/" + e.file);
            std::ofstream(dir + "/" + e.file) << in.rdbuf();
        }
        std::ofstream(dir + "/full") << full_capacity_level_text();
    }
    if (chdir(dir.c_str()) != 0) throw std::runtime_error("cannot enter scratch folder");
    return dir;
}

}  // namespace

std::string full_capacity_level_text() {
    std::ostringstream out;
    out << "s 8000 1200\np 200 1100\n";
    for (int i = 0; i < kGroundCapacity; ++i) out << "A " << (i % 250) * 32 << ' ' << 1141 + (i / 250) * 32 << '\n';
    const char kinds[] = {'E', 'U', 'G'};
    for (int i = 0; i < kBlockCapacity; ++i)
        out << kinds[i % 3] << ' ' << (i % 125) * 64 << ' ' << 300 + (i / 125) * 48 << '\n';
    for (int i = 0; i < kSpiderCapacity; ++i) out << "D " << 400 + (i % 100) * 75 << ' ' << 700 - (i / 100) * 40 << '\n';
    for (int i = 0; i < kMushroomCapacity; ++i) out << "M " << 300 + i * 77 << " 1109\n";
    out << "! 0 0\n";
    return out.str();
}

const std::vector<BenchLevel>& bench_levels() {
    static std::vector<BenchLevel> levels;
    if (levels.empty()) {
        for (const LevelEntry& e : level_table) levels.push_back({e.file, e.level});
        levels.push_back({"full", 7});
    }
    return levels;
}

void load_bench_level(const BenchLevel& level) {
    std::string dir = scratch();
    reset_world();
    current_level = level.number;
    if (level.name == "full") {
        std::ifstream in(dir + "/full");
        read_level_records(in);
        settle_level_start();
    } else {
        load_level();
    }
}
