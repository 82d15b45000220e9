// The worlds the benchmarks run on: a level that fills every table, and the
// shipped levels, each loaded by the real loader in a scratch folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BenchLevel {
    std::string name;
    int32_t number;
};

// The shipped levels, then "full": every table at capacity, on a boss level.
const std::vector<BenchLevel>& bench_levels();

// Resets the world and loads the level; keeps the scratch folder as the
// working directory.
void load_bench_level(const BenchLevel& level);

// The text of the full-capacity level file.
std::string full_capacity_level_text();
