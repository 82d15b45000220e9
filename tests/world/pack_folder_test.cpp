// A pack's folder: keyed by the pack's bytes, holding the pack's levels and
// title; a bad pack makes nothing; the shipped data copied in is renewed
// where it differs, but never over the pack's levels, the pack's own
// settings or with the player's own files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <fstream>
#include <sstream>

#include "world/level_pack.h"
#include "world/pack_folder.h"
#include "world/pack_title.h"
#include "world/snapshot.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class PackFolder : public ::testing::Test {
protected:
    fs::path scratch;
    void SetUp() override {
        scratch = fs::temp_directory_path() / ("headbot-pack-folder-" + std::to_string(getpid()));
        fs::remove_all(scratch);
        fs::create_directories(scratch);
    }
    void TearDown() override { fs::remove_all(scratch); }

    // a pack of two levels, neither with a clear
    std::string pack_file(const std::string& name, const std::string& title) {
        LevelPack pack;
        pack.title = title;
        pack.author = "A. Maker";
        for (const auto& [level_name, level] : {std::pair<std::string, int32_t>{"level2", 2}, {"boss1", 4}}) {
            PackLevel one;
            one.name = level_name;
            one.level = level;
            one.text = "s 900 300\np 10 10\n! 0 " + std::to_string(level) + "\n";
            pack.levels.push_back(one);
        }
        write(scratch / name, level_pack_text(pack));
        return (scratch / name).string();
    }
};

TEST_F(PackFolder, HoldsThePacksLevelsAndTitleUnderAKeyFromItsBytes) {
    const fs::path packs = scratch / "packs";
    const std::string garden = pack_file("garden.headbot", "Garden");
    // a link left under a level's name is replaced, never the file it leads to
    write(scratch / "shipped-level2", "shipped");
    ReadyPack first;
    std::string error;
    ASSERT_TRUE(ready_pack_folder(garden, packs.string(), first, error)) << error;
    fs::create_symlink(scratch / "shipped-level2", fs::path(first.folder) / "level2.tmp");
    fs::rename(fs::path(first.folder) / "level2.tmp", fs::path(first.folder) / "level2");

    ReadyPack again;
    ASSERT_TRUE(ready_pack_folder(garden, packs.string(), again, error)) << error;
    EXPECT_EQ(again.folder, first.folder) << "the same pack finds its own folder and progress";
    EXPECT_EQ(fs::path(again.folder).parent_path(), packs);
    EXPECT_EQ(read(fs::path(again.folder) / "level2"), "s 900 300\np 10 10\n! 0 2\n");
    EXPECT_FALSE(fs::is_symlink(fs::path(again.folder) / "level2"));
    EXPECT_EQ(read(scratch / "shipped-level2"), "shipped");
    EXPECT_EQ(again.levels, (std::vector<std::string>{"level2", "boss1"}));
    EXPECT_EQ(again.unproven, (std::vector<std::string>{"level2", "boss1"}));
    PackTitle title;
    ASSERT_TRUE(read_pack_title((fs::path(again.folder) / kPackTitleFile).string(), title));
    EXPECT_EQ(title.title, "Garden");
    EXPECT_EQ(unproven_pack_line("g.headbot", again.unproven),
              "headbot: g.headbot: not proven winnable by its maker, played all the same: level2, boss1");

    // another pack of the same levels under another title never shares it
    ReadyPack other;
    ASSERT_TRUE(ready_pack_folder(pack_file("other.headbot", "Gardens"), packs.string(), other, error)) << error;
    EXPECT_NE(other.folder, first.folder);
}

// The game given a pack readies it in its own process before it starts: the
// replayed clears must not leave it on another level or with keys held.
TEST_F(PackFolder, ProvingTheClearsLeavesTheWorldAsItWas) {
    LevelPack pack;
    pack.title = "Proven";
    pack.author = "A. Maker";
    PackLevel level1;
    level1.name = "level1";
    level1.level = 1;
    const std::string here = __FILE__, top = here.substr(0, here.rfind("/tests/"));
    level1.text = read(top + "/data/levels/level1");
    level1.clear = read(top + "/data/solutions/level1.keys");
    level1.fingerprint = level_text_fingerprint(level1.text);
    level1.proven = true;
    pack.levels.push_back(level1);
    write(scratch / "proven.headbot", level_pack_text(pack));

    reset_world();
    auto before = std::make_unique<WorldSnapshot>();
    save_world(*before);
    ReadyPack ready;
    std::string error;
    ASSERT_TRUE(ready_pack_folder((scratch / "proven.headbot").string(), (scratch / "packs").string(), ready, error))
        << error;
    EXPECT_TRUE(ready.unproven.empty()) << "the shipped clear wins level1";
    EXPECT_EQ(current_level, 1);
#define HEADBOT_COMPARE(name) \
    EXPECT_EQ(std::memcmp(&::name, &before->name, sizeof(::name)), 0) << #name;
    HEADBOT_WORLD_STATE(HEADBOT_COMPARE)
#undef HEADBOT_COMPARE
}

TEST_F(PackFolder, ABadPackNamesItselfAndMakesNothing) {
    const std::string whole = read(pack_file("whole.headbot", "Whole"));
    write(scratch / "cut.headbot", whole.substr(0, whole.size() / 2));
    write(scratch / "junk.headbot", std::string("\x7f" "ELF\0\0\xff", 7));
    for (const std::string name : {"cut.headbot", "junk.headbot", "missing.headbot"}) {
        ReadyPack ready;
        std::string error;
        EXPECT_FALSE(ready_pack_folder((scratch / name).string(), (scratch / "packs").string(), ready, error));
        EXPECT_EQ(error.rfind((scratch / name).string() + ": ", 0), 0u) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_FALSE(fs::exists(scratch / "packs")) << name << " made a folder";
    }
}

TEST_F(PackFolder, CopiesTheShippedDataThatIsMissingOrDiffers) {
    const fs::path game = scratch / "game", folder = scratch / "game" / "packs" / "KEY";
    fs::create_directories(folder);
    for (const std::string name : {"level1", "level2", "boss2", "title.bmp", "tune3.mid", "jump.wav", "par-level1.keys",
                                   "allegro.cfg", "config.txt"})
        write(game / name, "shipped " + name);
    // the player's own files and the programs stay where they are
    for (const std::string name : {"saved", "best-times", "headbot.exe", "README.txt", "level1.keys", "pack-title"})
        write(game / name, "player's " + name);
    write(folder / "level2", "the pack's level2");
    write(folder / "config.txt", "the pack's settings, edited");
    write(folder / "title.bmp", "an older title");

    std::string error;
    ASSERT_TRUE(copy_shipped_data(game.string(), folder.string(), {"level2"}, error)) << error;
    for (const std::string name : {"level1", "boss2", "title.bmp", "tune3.mid", "jump.wav", "par-level1.keys", "allegro.cfg"})
        EXPECT_EQ(read(folder / name), "shipped " + name) << name;
    EXPECT_EQ(read(folder / "level2"), "the pack's level2");
    EXPECT_EQ(read(folder / "config.txt"), "the pack's settings, edited");
    for (const std::string name : {"saved", "best-times", "headbot.exe", "README.txt", "level1.keys", "pack-title"})
        EXPECT_FALSE(fs::exists(folder / name)) << name << " was copied";

    // a new version unpacked over the old: what changed is copied again
    write(game / "jump.wav", "a new jump");
    fs::remove(folder / "config.txt");
    ASSERT_TRUE(copy_shipped_data(game.string(), folder.string(), {"level2"}, error)) << error;
    EXPECT_EQ(read(folder / "jump.wav"), "a new jump");
    EXPECT_EQ(read(folder / "config.txt"), "shipped config.txt");

    EXPECT_FALSE(copy_shipped_data((scratch / "nowhere").string(), folder.string(), {}, error));
    EXPECT_NE(error.find("nowhere"), std::string::npos) << error;
}

}  // namespace
