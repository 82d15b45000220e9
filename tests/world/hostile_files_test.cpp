// Level files, "config.txt" and "saved" written to hurt: numbers at and past
// the 32-bit limits, negative and enormous sizes, far too many records,
// binary garbage, missing terminators, directories in place of files. Each
// must load as documented and then play without a fault.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "hardening/world_checks.h"
#include "support/level_text.h"
#include "world/config.h"
#include "world/level_loader.h"
#include "world/progress.h"
#include "world/world.h"

namespace {

// Plays with every key mix in turn and stops at the first broken rule.
std::string fault_in_play(int frames) {
    const char* keys[] = {"R", "RU", "", "L", "LU", "U", "LR"};
    for (int i = 0; i < frames; ++i) {
        run_frames(1, keys[(i / 40) % 7]);
        std::string fault = hardening::world_fault();
        if (fault.empty()) fault = hardening::camera_fault();
        if (!fault.empty()) return "frame " + std::to_string(i + 1) + ": " + fault;
        if (level_done) return "";  // the next level would need its own bounds
    }
    return "";
}

std::string repeated(const std::string& record, int times) {
    std::string text;
    text.reserve(record.size() * times + 2);
    for (int i = 0; i < times; ++i) text += record;
    return text;
}

// A directory where a file should be, removed again whatever the test does:
// the scratch directory is shared with every other world test.
struct DirectoryInPlace {
    std::string name;
    explicit DirectoryInPlace(std::string n) : name(std::move(n)) {
        scratch_dir();
        std::remove(name.c_str());
        mkdir(name.c_str(), 0755);
    }
    ~DirectoryInPlace() { rmdir(name.c_str()); }
};

}  // namespace

TEST(HostileLevel, CoordinatesAtThe32BitLimitsAreHeldToTheLevelRange) {
    load_level_text(
        "s 2147483647 -2147483648\np -2147483648 2147483647\nA 2147483647 -2147483648\n"
        "E -2147483648 2147483647\nG 2147483647 2147483647\nD -2147483648 -2147483648\n"
        "M 2147483647 0\n!",
        4);
    EXPECT_EQ(level_width, kLevelCoordinateLimit);
    EXPECT_EQ(level_height, -kLevelCoordinateLimit);
    EXPECT_EQ(player.x, -kLevelCoordinateLimit);
    EXPECT_EQ(player.respawn_y, kLevelCoordinateLimit);
    EXPECT_EQ(ground_tiles[0].x, kLevelCoordinateLimit);
    EXPECT_EQ(blocks[1].y, kLevelCoordinateLimit);
    EXPECT_EQ(spiders[0].x, -kLevelCoordinateLimit);
    EXPECT_EQ(mushroom_count, 1);
    EXPECT_EQ(ball.home_y, kLevelCoordinateLimit - 100);
    EXPECT_EQ(offset_y, screen_height + kLevelCoordinateLimit);
    EXPECT_EQ(fault_in_play(3000), "");
}

TEST(HostileLevel, ANumberPastTheLimitEndsTheFileBeforeItsRecord) {
    load_level_text("A 1 2\nA 2147483648 5\nA 3 4\n!");
    EXPECT_EQ(ground_count, 1);
    load_level_text("A 1 2\nA 7 -2147483649\nA 3 4\n!");
    EXPECT_EQ(ground_count, 1);
    load_level_text("p 5 6\np 99999999999999999999999 1\n!");
    EXPECT_EQ(player.x, 5);
    EXPECT_EQ(player.respawn_x, 5);
    load_level_text("s 3000 -99999999999\nA 1 2\n!");
    EXPECT_EQ(level_width, 6000);  // the record was not applied, not even its width
    EXPECT_EQ(ground_count, 0);
    EXPECT_EQ(fault_in_play(500), "");
}

TEST(HostileLevel, NegativeZeroAndHugeLevelSizesPlay) {
    const char* sizes[] = {"-1 -1", "0 0", "-2147483648 -2147483648", "1 1",
                           "2147483647 2147483647", "-640 480", "640 -480", "29 41"};
    for (const char* size : sizes) {
        load_level_text(std::string("s ") + size + "\np 100 100\nA 100 141\nG 0 141\nD 300 110\n!", 7);
        EXPECT_EQ(fault_in_play(2000), "") << "s " << size;
    }
}

TEST(HostileLevel, AHundredThousandRecordsFillTheTablesAndDropTheRest) {
    load_level_text(repeated("A 10 900\n", 100000) + "!");
    EXPECT_EQ(ground_count, kGroundCapacity);

    std::string text = "s 2000 1000\n";
    int32_t last_p = 0;
    for (int i = 0; i < 100000; ++i) {
        const char letters[] = "EUGDMpA";
        text += letters[i % 7];
        text += " " + std::to_string(i % 2000) + " " + std::to_string(900 - i % 50) + "\n";
        if (letters[i % 7] == 'p') last_p = i % 2000;
    }
    load_level_text(text + "!", 4);
    EXPECT_EQ(ground_count, kGroundCapacity);
    EXPECT_EQ(block_count, kBlockCapacity);
    EXPECT_EQ(spider_count, kSpiderCapacity);
    EXPECT_EQ(mushroom_count, kMushroomCapacity);
    EXPECT_EQ(player.x, last_p);
    EXPECT_EQ(fault_in_play(300), "");
}

TEST(HostileLevel, BinaryGarbageLoadsWithinTheTablesAndPlays) {
    std::mt19937 random(20240607);
    for (int round = 0; round < 40; ++round) {
        std::string text(1 + random() % 70000, '\0');
        for (char& c : text) c = static_cast<char>(random());
        // every other round leans on record letters and digits, so that
        // many records are read before the garbage stops the loader
        if (round % 2) {
            const char pool[] = "pAEUGDMs!-+0123456789 \n\t\0\xff";
            for (char& c : text) c = pool[static_cast<unsigned char>(c) % (sizeof(pool) - 1)];
        }
        load_level_text(text, 1 + round % 7);
        EXPECT_EQ(fault_in_play(300), "") << "round " << round;
    }
}

TEST(HostileLevel, AFileWithoutTerminatorPlaysWhatItRead) {
    load_level_text("p 100 500 A 96 541 A 128 541 D 400 510");
    EXPECT_EQ(ground_count, 2);
    EXPECT_EQ(spider_count, 1);
    load_level_text("A 1 2\nA 3");  // cut short inside a record: that record is not applied
    EXPECT_EQ(ground_count, 1);
    load_level_text("A 1 2\nA");
    EXPECT_EQ(ground_count, 1);
    load_level_text("");
    EXPECT_EQ(ground_count, 0);
    EXPECT_EQ(fault_in_play(500), "");
}

TEST(HostileLevel, ADirectoryInPlaceOfTheLevelFileLoadsAnEmptyLevel) {
    load_level_text("A 1 2\nD 3 4\n!", 3);  // something left over from before
    {
        DirectoryInPlace dir("boss2");
        current_level = 7;
        load_level();
        EXPECT_EQ(ground_count, 0);
        EXPECT_EQ(spider_count, 0);
        EXPECT_EQ(boss.x, 100);
        EXPECT_EQ(offset_x, 0);
        EXPECT_EQ(fault_in_play(500), "");
    }
    std::ifstream saved("saved");
    char letter = 0;
    saved >> letter;
    EXPECT_EQ(letter, 'g');  // written before the level file was opened
}

TEST(HostileConfig, ZeroNegativeAndEnormousScreensPlay) {
    const char* configs[] = {"0 0 0 0",
                             "-640 -480 -10 -1",
                             "2147483647 2147483647 2147483647 2147483647",
                             "-2147483648 -2147483648 -2147483648 -2147483648",
                             "1 1",
                             "1000000 1"};
    for (const char* config : configs) {
        reset_world();
        std::istringstream in(config);
        read_config(in);
        // the camera adds and subtracts the screen size: held like a coordinate
        EXPECT_LE(std::abs(screen_width), kLevelCoordinateLimit) << config;
        EXPECT_LE(std::abs(screen_height), kLevelCoordinateLimit) << config;
        current_level = 2;
        load_next_level_text("s 3000 2000\np 100 1800\nA 96 1841\nA 128 1841\nE 100 1500\n!", 2);
        EXPECT_EQ(offset_y + view_bottom, screen_height) << config;
        EXPECT_EQ(fault_in_play(3000), "") << config;
    }
}

TEST(HostileConfig, ASizeThatDoesNotFitKeepsItsDefaultAndStopsReading) {
    reset_world();
    std::istringstream in("2147483648 600 10 1");
    read_config(in);
    EXPECT_EQ(screen_width, 640);
    EXPECT_EQ(screen_height, 480);
    EXPECT_EQ(frame_delay_ms, 0);
    EXPECT_EQ(frame_skip, 0);
    std::istringstream in2("800 -2147483649 10 1");
    read_config(in2);
    EXPECT_EQ(screen_width, 800);
    EXPECT_EQ(screen_height, 480);
    EXPECT_EQ(frame_skip, 0);
}

TEST(HostileConfig, ADirectoryNamedConfigTxtKeepsTheDefaults) {
    DirectoryInPlace dir("config.txt");
    reset_world();
    read_config_file("config.txt");
    EXPECT_EQ(screen_width, 640);
    EXPECT_EQ(screen_height, 480);
}

TEST(HostileProgress, MegabytesAndNulBytesReadOnlyTheFirstCharacter) {
    scratch_dir();
    auto level_from = [](const std::string& contents) {
        std::ofstream("saved", std::ios::binary | std::ios::trunc) << contents;
        current_level = 3;
        read_progress();
        return current_level;
    };
    EXPECT_EQ(level_from("m" + std::string(8 << 20, 'x')), 4);
    EXPECT_EQ(level_from(std::string(4 << 20, ' ') + "g"), 7);
    EXPECT_EQ(level_from(std::string(4 << 20, '\0') + "g"), 3);
    EXPECT_EQ(level_from(std::string("\0m", 2)), 3);  // NUL is a character, not a blank
    EXPECT_EQ(level_from(std::string("f\0", 2)), 6);
    EXPECT_EQ(level_from("\xff\xfe"), 3);
    std::remove("saved");
}

TEST(HostileProgress, ASavedDirectoryNeitherStopsALevelStartNorPlay) {
    DirectoryInPlace dir("saved");
    load_level_text("s 2000 1000\np 100 800\nA 96 841\nA 128 841\n!", 5);
    EXPECT_EQ(ground_count, 2);
    current_level = 6;
    read_progress();
    EXPECT_EQ(current_level, 6);
    EXPECT_EQ(fault_in_play(500), "");
}
