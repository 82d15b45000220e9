#include "edit/key_record.h"

#include <sstream>

#include "world/key_script.h"
#include "world/level_document.h"
#include "world/level_table.h"
#include "world/world.h"

void KeyRecord::add_frame(bool up, bool left, bool right) {
    if (!runs_.empty()) {
        KeyRun& last = runs_.back();
        if (last.up == up && last.left == left && last.right == right) {
            ++last.count;
            return;
        }
    }
    runs_.push_back({1, up, left, right});
}

int64_t KeyRecord::frames() const {
    int64_t n = 0;
    for (const KeyRun& r : runs_) n += r.count;
    return n;
}

std::string key_script_text(const KeyRecord& record, const std::string& level_name, int32_t level,
                            const std::string& fingerprint) {
    std::ostringstream out;
    out << "# headbot-edit: a won play of \"" << level_name << "\" as level " << level << ", "
        << record.frames() << " frames on a " << screen_width << " by " << screen_height
        << " screen\n";
    const LevelEntry* entry = level_entry(level);
    out << "# replay: headbot-sim -C DIR --level " << level << " --input THIS_FILE, with the level"
        << " as DIR/" << (entry ? entry->file : "?") << " beside a config.txt of that screen size\n";
    out << fingerprint_line(fingerprint);
    for (const KeyRun& r : record.runs()) out << key_script_line(r);
    return out.str();
}
