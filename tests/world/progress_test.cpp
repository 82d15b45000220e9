// "saved": written at every level start, read when a game begins.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "support/level_text.h"
#include "world/progress.h"
#include "world/world.h"

namespace {

std::string saved_contents() {
    std::ifstream in("saved", std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int level_read_from(const char* contents, int level_before = 3) {
    scratch_dir();
    std::remove("saved");
    if (contents) std::ofstream("saved", std::ios::binary) << contents;
    current_level = level_before;
    read_progress();
    return current_level;
}

}  // namespace

TEST(Progress, EachLevelStartWritesItsLetterAlone) {
    const char* letters[] = {"", "a", "l", "m", "n", "f", "g", "a"};
    for (int level = 1; level <= 8; ++level) {
        load_level_text("p 300 459\n!", level == 1 ? 2 : 1);  // leave another letter behind
        load_next_level_text("p 300 459\n!", level);
        EXPECT_EQ(saved_contents(), letters[level - 1]) << "level " << level;
    }
}

TEST(Progress, ReadingTakesOnlyAKnownFirstLetter) {
    EXPECT_EQ(level_read_from("m"), 4);
    EXPECT_EQ(level_read_from(" \n\tg"), 7);
    EXPECT_EQ(level_read_from("fa"), 6);
    EXPECT_EQ(level_read_from("a"), 2);
    EXPECT_EQ(level_read_from("l", 6), 3);
    EXPECT_EQ(level_read_from("n"), 5);
    EXPECT_EQ(level_read_from("A"), 3);
    EXPECT_EQ(level_read_from("5"), 3);
    EXPECT_EQ(level_read_from("x"), 3);
    EXPECT_EQ(level_read_from("  \n"), 3);
    EXPECT_EQ(level_read_from(""), 3);
    EXPECT_EQ(level_read_from(nullptr, 6), 6);
}

TEST(Progress, UnwritableProgressFileIsPassedOverSilently) {
    scratch_dir();
    std::remove("saved");
    ASSERT_EQ(mkdir("saved", 0755), 0);  // cannot be opened as a file, even by root
    load_level_text("p 300 459\nA 1 2\n!", 4);
    EXPECT_EQ(ground_count, 1);
    EXPECT_EQ(boss.x, 100);
    current_level = 5;
    read_progress();
    EXPECT_EQ(current_level, 5);
    rmdir("saved");
}

TEST(Progress, LetterReplacesTheOldFileAndLeavesNothingBeside) {
    scratch_dir();
    std::remove("saved");
    std::ofstream("saved", std::ios::binary) << "m";
    // a file opened before the write keeps the old letter: "saved" was
    // replaced, not emptied and refilled
    std::ifstream before("saved", std::ios::binary);
    load_next_level_text("p 300 459\n!", 5);
    EXPECT_EQ(saved_contents(), "n");
    EXPECT_EQ(before.get(), 'm');
    EXPECT_NE(access("saved.new", F_OK), 0) << "the new file was left beside \"saved\"";
    // a stale half-written file from a crash is simply replaced
    std::ofstream("saved.new", std::ios::binary) << "zz";
    load_next_level_text("p 300 459\n!", 1);
    EXPECT_EQ(saved_contents(), "");
    EXPECT_NE(access("saved.new", F_OK), 0);
}

TEST(Progress, SaysOnceWhenSavedCannotBeWrittenAndLeavesNoTrace) {
    const std::string here = scratch_dir();
    ASSERT_EQ(chdir(here.c_str()), 0);
    std::remove("saved");
    EXPECT_EQ(progress_write_problem(), "");
    EXPECT_FALSE(std::ifstream("saved"));  // the look wrote nothing
    EXPECT_FALSE(std::ifstream("saved.new"));

    ASSERT_EQ(mkdir("saved", 0755), 0);
    EXPECT_NE(progress_write_problem().find("a folder has its name"), std::string::npos);
    rmdir("saved");

    if (geteuid() != 0) {  // root writes anywhere
        ASSERT_EQ(chmod(here.c_str(), 0555), 0);
        EXPECT_NE(progress_write_problem().find("cannot write \"saved\""), std::string::npos);
        chmod(here.c_str(), 0755);
    }
}
