#include "world/level_loader.h"

#include <algorithm>
#include <fstream>

#include "world/level_name.h"
#include "world/level_table.h"
#include "world/progress.h"
#include "world/world.h"

void (*start_tune)(const char* file) = nullptr;

namespace {

int32_t held_to_level_range(int32_t v) {
    return std::clamp(v, -kLevelCoordinateLimit, kLevelCoordinateLimit);
}

}  // namespace

// A record past its table's capacity is dropped.
void apply_level_record(char letter, int32_t a, int32_t b) {
    a = held_to_level_range(a);
    b = held_to_level_range(b);
    switch (letter) {
    case 'p':
        player.x = a;
        player.y = b;
        player.respawn_x = a;
        player.respawn_y = b;
        player.lives = 1;
        break;
    case 's':
        level_height = b;
        level_width = a;
        break;
    case 'A':
        if (ground_count >= kGroundCapacity) break;
        ground_tiles[ground_count].x = a;
        ground_tiles[ground_count].y = b;
        ++ground_count;
        break;
    case 'E':
    case 'U':
    case 'G': {
        if (block_count >= kBlockCapacity) break;
        Block& block = blocks[block_count];
        block.x = a;
        block.y = b;
        block.present = 1;
        block.breakable = letter == 'E' ? 1 : 0;
        block.kind = letter == 'G' ? 1 : 0;
        block.width = letter == 'G' ? 64 : 32;
        if (letter == 'G') block.vx = 1;  // a moving block sets off to the right
        ++block_count;
        break;
    }
    case 'D':
        if (spider_count >= kSpiderCapacity) break;
        spiders[spider_count].x = a;
        spiders[spider_count].y = b;
        spiders[spider_count].alive = 1;
        ++spider_count;
        break;
    case 'M':
        if (mushroom_count >= kMushroomCapacity) break;
        mushrooms[mushroom_count].x = a;
        mushrooms[mushroom_count].y = b;
        ++mushroom_count;
        break;
    default:
        break;  // an unknown letter skips its record
    }
}

RecordRead read_level_record(std::istream& in, LevelRecord& record) {
    char letter = 0;
    if (!(in >> letter)) return RecordRead::end_of_input;
    // the terminator's two integers are optional: nothing after it counts
    if (letter == '!') return RecordRead::end_mark;
    int32_t a = 0;
    int32_t b = 0;
    if (!(in >> a >> b)) return RecordRead::bad_field;  // never apply a record whose fields were not read
    record = LevelRecord{letter, a, b};
    return RecordRead::record;
}

RecordRead read_level_records(std::istream& in) {
    LevelRecord record;
    RecordRead read;
    while ((read = read_level_record(in, record)) == RecordRead::record)
        apply_level_record(record.letter, record.a, record.b);
    return read;
}

void load_level() {
    if (current_level > 7) current_level = 2;
    // the level's letter is on disk even if its level file cannot be read
    write_progress(current_level);
    const LevelEntry* entry = level_entry(current_level);
    if (entry && entry->tune && start_tune) start_tune(entry->tune);
    read_level_file();
}

void read_level_file() {
    ground_count = 0;
    block_count = 0;
    spider_count = 0;
    mushroom_count = 0;

    const LevelEntry* entry = level_entry(current_level);
    std::ifstream file;
    if (entry) file.open(entry->file, std::ios::binary);  // the same bytes on every system
    const RecordRead end = read_level_records(file);
    level_name = end == RecordRead::end_mark ? read_level_name(file) : "";
    settle_level_start();
}

void settle_level_start() {
    if (is_boss_level(current_level)) {
        boss.x = 100;
        boss.y = 10;
    }

    // the ball waits, and comes back to, 100 pixels above the robot's start
    ball.x = player.x;
    ball.y = player.y - 100;
    ball.home_x = player.x;
    ball.home_y = player.y - 100;
    ball.vx = 0;
    ball.vy = 0;

    // the first frame shows the bottom-left corner of the level
    offset_y = screen_height - level_height;
    view_bottom = level_height;
    offset_x = 0;
    camera_x = 0;

    level_done = 0;
    player.health = player.max_health;
    // a contact of the last level is not one in this: its first frame is heard
    contacts_now = LastingContacts();
}
