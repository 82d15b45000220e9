// "best-times" as any bytes: reading it never fails, holds only times a
// player could have made, and what the game writes back from it reads back
// as the same times.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "world/best_times.h"

namespace {

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "best times fault: %s\n", what);
    std::abort();
}

bool same(const BestTimes& a, const BestTimes& b) {
    for (int32_t c = 0; c < kCourseCount; ++c)
        if (a.course[c].frames != b.course[c].frames || a.course[c].fingerprint != b.course[c].fingerprint)
            return false;
    return a.other_version == b.other_version;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BestTimes read = parse_best_times(std::string(reinterpret_cast<const char*>(data), size));
    for (const BestTime& best : read.course) {
        if (best.frames < 0) fault("a negative time");
        if (best.frames > 0 && best.fingerprint.size() != 16) fault("a time without its fingerprint");
    }
    if (read.other_version) return 0;  // never written over
    if (!same(parse_best_times(best_times_text(read)), read)) fault("the times written do not read back");
    return 0;
}
