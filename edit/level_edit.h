// What the level maker edits: the level's records in file order, the world
// built from them, and the history of changes. No display here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/fresh_level.h"
#include "world/level_document.h"

// The kinds a maker places, in palette order.
enum class Kind { ground, fixed_block, breakable_block, moving_block, spider, mushroom, robot };
constexpr int kKindCount = 7;

struct KindInfo {
    Kind kind;
    char letter;
    const char* name;
};
const KindInfo& kind_info(Kind kind);
// How messages name the object of a record: "fixed block", "robot start",
// and for letters the editor does not place "record X".
std::string object_name(char letter);
Kind kind_at(int index);

// An object of the world as drawn, with the record it came from.
struct PlacedObject {
    int32_t record;
    int32_t x, y, w, h;
};

bool operator==(const LevelRecord& a, const LevelRecord& b);
bool operator==(const LevelDocument& a, const LevelDocument& b);

class LevelEdit {
public:
    // A new history starting at `doc`, which counts as saved.
    void open(const LevelDocument& doc, int32_t level);

    const LevelDocument& document() const { return doc_; }
    int32_t level() const { return level_; }

    // Every change is one undo step; a refused change leaves no step and
    // says why in `message`.
    bool place(Kind kind, int32_t x, int32_t y, std::string& message);
    bool remove(int32_t record);  // the robot's start is moved, never removed
    bool move(int32_t record, int32_t x, int32_t y);
    bool set_size(int32_t width, int32_t height);
    // The same, but a change of height moves the top edge: every object
    // keeps its distance from the bottom, where the robot starts and the
    // view of play begins, so the ground stays under the robot.
    bool set_size_keeping_ground(int32_t width, int32_t height);
    bool undo();
    bool redo();

    // A drag or a stroke of the mouse: every change between start and end
    // is one undo step.
    void start_gesture();
    void end_gesture();

    // The object drawn on top at a world point, or -1.
    int32_t record_at(int32_t x, int32_t y) const;
    const PlacedObject* object_of(int32_t record) const;
    const std::vector<PlacedObject>& objects() const { return objects_; }

    void mark_saved() { saved_ = doc_; }
    bool saved() const { return doc_ == saved_; }
    // A won play of the level as it stands now; any change clears it.
    void mark_cleared() { cleared_ = doc_, has_cleared_ = true; }
    bool cleared() const { return has_cleared_ && doc_ == cleared_; }

    // Puts the world back to the level as edited, at its start.
    void rebuild();

private:
    void begin_change();
    bool step_back(std::vector<LevelDocument>& from, std::vector<LevelDocument>& to);
    void append(const LevelRecord& record);
    int32_t last_record(char letter) const;

    LevelDocument doc_;
    LevelDocument saved_;
    LevelDocument cleared_;
    bool has_cleared_ = false;
    int32_t level_ = 1;
    std::vector<LevelDocument> undo_;
    std::vector<LevelDocument> redo_;
    bool in_gesture_ = false;
    LevelDocument gesture_start_;
    std::vector<PlacedObject> objects_;  // in drawing order, the top one last
};

// start_fresh_world(), shared with the time trial, lives beside the loader.

// The smallest and largest level side the editor sets.
constexpr int32_t kSmallestLevelSide = 32;
constexpr int32_t kLargestEditedSide = 100000;
