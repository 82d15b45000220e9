#!/usr/bin/env bash
# The hardening half of ./test, from the top of the source tree:
#  1. build-asan: everything with AddressSanitizer and UndefinedBehaviorSanitizer
#     (first report stops the program); every unit test, then the hardening
#     whole-program tests (soak, hostile files, the game under random keys).
#  2. build-fuzz: the fuzz targets with clang's libFuzzer, each fuzzed for
#     HEADBOT_FUZZ_SECONDS (default 20) from seeds made of the shipped files.
# Any sanitizer report, broken rule or fuzz crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
fuzz_seconds=${HEADBOT_FUZZ_SECONDS:-20}
jobs=$(nproc)

step() { echo "== hardening: $* ($(date +%T))"; }

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

step "sanitizer build"
cmake -S . -B build-asan -DHEADBOT_SANITIZE=ON > /dev/null
cmake --build build-asan -j "$jobs"
step "unit tests under the sanitizers"
ctest --test-dir build-asan --output-on-failure -j "$jobs" -E '^e2e\.'
step "soak, hostile files and random keys under the sanitizers"
ctest --test-dir build-asan --output-on-failure -R '^e2e\.hardening_'

step "fuzz build"
cmake -S . -B build-fuzz -DHEADBOT_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    > /dev/null
cmake --build build-fuzz -j "$jobs"
fuzz_dir=$(pwd)/build-fuzz
hardening/make_corpus.sh "$(pwd)" "$fuzz_dir/seeds"
mkdir -p "$fuzz_dir/crashes"
for target in config level_play progress key_script level_pack best_times; do
    step "fuzzing $target for $fuzz_seconds s"
    # what earlier runs found is kept beside the seeds, in the build tree only
    mkdir -p "$fuzz_dir/corpus/$target"
    # room for a level with every table full and one record more
    max_len=4096
    [[ $target == level_play || $target == level_pack ]] && max_len=32768
    "$fuzz_dir/hardening/fuzz_$target" -max_total_time="$fuzz_seconds" -max_len=$max_len \
        -print_final_stats=1 \
        -artifact_prefix="$fuzz_dir/crashes/$target-" \
        "$fuzz_dir/corpus/$target" "$fuzz_dir/seeds/$target" > "$fuzz_dir/$target.log" 2>&1 || {
        tail -n 60 "$fuzz_dir/$target.log"
        echo "fuzz_$target failed; the input is in $fuzz_dir/crashes/" >&2
        exit 1
    }
    grep -E '^stat::number_of_executed_units' "$fuzz_dir/$target.log" || true
done
step "done"
