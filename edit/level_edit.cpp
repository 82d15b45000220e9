#include "edit/level_edit.h"

#include <algorithm>
#include <cstring>

#include "world/world.h"

namespace {

const KindInfo kKinds[kKindCount] = {
    {Kind::ground, 'A', "ground tile"},     {Kind::fixed_block, 'U', "fixed block"},
    {Kind::breakable_block, 'E', "breakable block"}, {Kind::moving_block, 'G', "moving block"},
    {Kind::spider, 'D', "spider"},          {Kind::mushroom, 'M', "mushroom"},
    {Kind::robot, 'p', "robot start"},
};

// Enough history for any real level many times over; a hostile file of
// millions of records keeps only the most recent steps.
constexpr size_t kMostRecordsInHistory = 4000000;

struct TableRoom {
    const int32_t* count;
    int32_t capacity;
    const char* name;
};

TableRoom room_for(Kind kind) {
    switch (kind) {
    case Kind::ground: return {&ground_count, kGroundCapacity, "ground"};
    case Kind::spider: return {&spider_count, kSpiderCapacity, "spider"};
    case Kind::mushroom: return {&mushroom_count, kMushroomCapacity, "mushroom"};
    case Kind::robot: return {nullptr, 0, "robot"};
    default: return {&block_count, kBlockCapacity, "block"};
    }
}

// A table's entries as the editor finds them, each with the record it came from.
template <class Entry>
void add_placed(std::vector<PlacedObject>& objects, const Entry* table, int32_t count,
                const std::vector<int32_t>& record_of) {
    for (int32_t i = 0; i < count; ++i) {
        const Entry& o = table[i];
        objects.push_back({record_of[static_cast<size_t>(i)], o.x, o.y, o.width, o.height});
    }
}

}  // namespace

const KindInfo& kind_info(Kind kind) { return kKinds[static_cast<int>(kind)]; }
std::string object_name(char letter) {
    for (const KindInfo& info : kKinds)
        if (info.letter == letter) return info.name;
    if (letter == 's') return "size record";
    return std::string("record ") + letter;
}

Kind kind_at(int index) { return kKinds[std::clamp(index, 0, kKindCount - 1)].kind; }

bool operator==(const LevelRecord& a, const LevelRecord& b) {
    return a.letter == b.letter && a.a == b.a && a.b == b.b;
}
bool operator==(const LevelDocument& a, const LevelDocument& b) { return a.records == b.records; }

void LevelEdit::open(const LevelDocument& doc, int32_t level) {
    doc_ = doc;
    saved_ = doc;
    has_cleared_ = false;
    level_ = level;
    undo_.clear();
    redo_.clear();
    rebuild();
}

void LevelEdit::rebuild() {
    start_fresh_world(level_);
    // which record each table entry came from, to find them under the pointer
    std::vector<int32_t> ground(kGroundCapacity), block(kBlockCapacity), spider(kSpiderCapacity),
        mushroom(kMushroomCapacity);
    int32_t robot = -1;
    for (size_t i = 0; i < doc_.records.size(); ++i) {
        const LevelRecord& r = doc_.records[i];
        const int32_t g = ground_count, b = block_count, s = spider_count, m = mushroom_count;
        apply_level_record(r.letter, r.a, r.b);
        const int32_t index = static_cast<int32_t>(i);
        if (ground_count > g) ground[g] = index;
        if (block_count > b) block[b] = index;
        if (spider_count > s) spider[s] = index;
        if (mushroom_count > m) mushroom[m] = index;
        if (r.letter == 'p') robot = index;
    }
    settle_level_start();

    objects_.clear();
    add_placed(objects_, mushrooms, mushroom_count, mushroom);
    add_placed(objects_, ground_tiles, ground_count, ground);
    add_placed(objects_, blocks, block_count, block);
    add_placed(objects_, spiders, spider_count, spider);
    if (robot >= 0) objects_.push_back({robot, player.x, player.y, player.width, player.height});
}

int32_t LevelEdit::record_at(int32_t x, int32_t y) const {
    for (auto o = objects_.rbegin(); o != objects_.rend(); ++o)
        if (x >= o->x && x < o->x + o->w && y >= o->y && y < o->y + o->h) return o->record;
    return -1;
}

const PlacedObject* LevelEdit::object_of(int32_t record) const {
    for (const PlacedObject& o : objects_)
        if (o.record == record) return &o;
    return nullptr;
}

int32_t LevelEdit::last_record(char letter) const {
    for (size_t i = doc_.records.size(); i-- > 0;)
        if (doc_.records[i].letter == letter) return static_cast<int32_t>(i);
    return -1;
}

void LevelEdit::start_gesture() {
    in_gesture_ = true;
    gesture_start_ = doc_;
}

void LevelEdit::end_gesture() {
    if (!in_gesture_) return;
    in_gesture_ = false;
    if (doc_ == gesture_start_) return;
    LevelDocument now = std::move(doc_);
    doc_ = std::move(gesture_start_);
    begin_change();
    doc_ = std::move(now);
}

void LevelEdit::begin_change() {
    if (in_gesture_) return;  // the whole gesture becomes one step when it ends
    undo_.push_back(doc_);
    redo_.clear();
    size_t total = 0;
    for (const LevelDocument& d : undo_) total += d.records.size();
    while (undo_.size() > 1 && total > kMostRecordsInHistory) {
        total -= undo_.front().records.size();
        undo_.erase(undo_.begin());
    }
}

bool LevelEdit::place(Kind kind, int32_t x, int32_t y, std::string& message) {
    const KindInfo& info = kind_info(kind);
    x = std::clamp(x, -kLevelCoordinateLimit, kLevelCoordinateLimit);
    y = std::clamp(y, -kLevelCoordinateLimit, kLevelCoordinateLimit);
    const TableRoom room = room_for(kind);
    if (room.count && *room.count >= room.capacity) {
        message = std::string("the ") + room.name + " table is full (" + std::to_string(room.capacity) +
                  "): nothing placed";
        return false;
    }
    for (const LevelRecord& r : doc_.records)
        if (r.letter == info.letter && r.a == x && r.b == y && kind != Kind::robot) {
            message = std::string("a ") + info.name + " is already there";
            return false;
        }
    begin_change();
    // the robot has one start: the one read last is the one the game uses
    const int32_t robot = kind == Kind::robot ? last_record('p') : -1;
    if (robot >= 0)
        doc_.records[static_cast<size_t>(robot)] = {'p', x, y};
    else
        doc_.records.push_back({info.letter, x, y});
    rebuild();
    return true;
}

bool LevelEdit::remove(int32_t record) {
    if (record < 0 || static_cast<size_t>(record) >= doc_.records.size()) return false;
    // without its start the robot would begin where the level before left it
    if (doc_.records[static_cast<size_t>(record)].letter == 'p') return false;
    begin_change();
    doc_.records.erase(doc_.records.begin() + record);
    rebuild();
    return true;
}

bool LevelEdit::move(int32_t record, int32_t x, int32_t y) {
    if (record < 0 || static_cast<size_t>(record) >= doc_.records.size()) return false;
    LevelRecord& r = doc_.records[static_cast<size_t>(record)];
    x = std::clamp(x, -kLevelCoordinateLimit, kLevelCoordinateLimit);
    y = std::clamp(y, -kLevelCoordinateLimit, kLevelCoordinateLimit);
    if (r.a == x && r.b == y) return false;
    begin_change();
    doc_.records[static_cast<size_t>(record)].a = x;
    doc_.records[static_cast<size_t>(record)].b = y;
    rebuild();
    return true;
}

bool LevelEdit::set_size(int32_t width, int32_t height) {
    width = std::clamp(width, kSmallestLevelSide, kLargestEditedSide);
    height = std::clamp(height, kSmallestLevelSide, kLargestEditedSide);
    if (width == level_width && height == level_height) return false;
    begin_change();
    const int32_t size = last_record('s');
    if (size >= 0)
        doc_.records[static_cast<size_t>(size)] = {'s', width, height};
    else
        doc_.records.insert(doc_.records.begin(), LevelRecord{'s', width, height});
    rebuild();
    return true;
}

bool LevelEdit::set_size_keeping_ground(int32_t width, int32_t height) {
    const int32_t old_height = level_height;
    const bool grouped = in_gesture_;
    if (!grouped) start_gesture();
    bool changed = set_size(width, height);
    const int32_t dh = level_height - old_height;
    if (dh != 0) {
        for (LevelRecord& r : doc_.records)
            if (r.letter != '\0' && std::strchr("pAEUGDM", r.letter))
                r.b = std::clamp(r.b + dh, -kLevelCoordinateLimit, kLevelCoordinateLimit);
        rebuild();
        changed = true;
    }
    if (!grouped) end_gesture();
    return changed;
}

bool LevelEdit::undo() { return step_back(undo_, redo_); }

bool LevelEdit::redo() { return step_back(redo_, undo_); }

// Undo and redo are the same move between the two histories, in opposite
// directions: the level as it stands goes onto the other one.
bool LevelEdit::step_back(std::vector<LevelDocument>& from, std::vector<LevelDocument>& to) {
    end_gesture();
    if (from.empty()) return false;
    to.push_back(std::move(doc_));
    doc_ = std::move(from.back());
    from.pop_back();
    rebuild();
    return true;
}
