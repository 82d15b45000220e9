// Reads a level file into the tables and resets the world for the level.
#pragma once

#include <cstdint>
#include <istream>

// Coordinates and sizes in a level file are held to this range, far beyond
// any real level, so that no later sum or difference can overflow 32 bits.
constexpr int32_t kLevelCoordinateLimit = 1000000;

// The tune switch is the loader's only call into the sound library. The
// game fills it in; tests and headbot-sim leave it empty and run silent.
extern void (*start_tune)(const char* file);

// Loads the level current_level names (8 and above become 2), writing the
// progress file first, and its name (level_name.h).
void load_level();

// The loading alone: the tables emptied and filled from the file
// current_level names, and the level's start settled. Neither the progress
// file nor the tune is touched, so a time trial leaves both as they were.
void read_level_file();

// What a level start sets once its records are read: the boss's place on
// the boss levels, the ball at rest above the robot, the camera on the
// level's bottom-left corner, full health.
void settle_level_start();

// One record as the file holds it: a letter and two integers, before the
// loader holds them to the level range.
struct LevelRecord {
    char letter = 0;
    int32_t a = 0;
    int32_t b = 0;
};

// How reading one record ended: a record, the end mark "!", the end of the
// input, or a letter whose two integers could not be read.
enum class RecordRead { record, end_mark, end_of_input, bad_field };

// Reads the next record; anything but RecordRead::record ends the level.
RecordRead read_level_record(std::istream& in, LevelRecord& record);

// Puts one record into the world as loading does: a size, the robot's start,
// or one more entry of a table (dropped when the table is full).
void apply_level_record(char letter, int32_t a, int32_t b);

// Applies the records of a level file until "!", the end of the input, or a
// field that cannot be read: whichever comes first, and says which.
RecordRead read_level_records(std::istream& in);
