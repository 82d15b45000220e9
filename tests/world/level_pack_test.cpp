// Level packs: what goes in comes out byte for byte, every kind of bad pack
// is refused with the line to blame, and a level counts as proven only while
// its clear still wins exactly its text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "edit/key_record.h"
#include "world/level_pack.h"
#include "world/pack_proof.h"
#include "world/pack_title.h"
#include "world/world.h"

namespace {

std::string source_file(const std::string& rel) {
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/tests/")) + "/" + rel, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The shipped first level with its shipped winning script.
PackLevel proven_level1() {
    PackLevel level;
    level.name = "level1";
    level.level = 1;
    level.text = source_file("data/levels/level1");
    level.clear = source_file("data/solutions/level1.keys");
    level.fingerprint = level_text_fingerprint(level.text);
    level.proven = true;
    return level;
}

LevelPack two_level_pack() {
    LevelPack pack;
    pack.title = "Two Rooms";
    pack.author = "A. Maker";
    pack.levels.push_back(proven_level1());
    PackLevel boss;
    boss.name = "boss1";
    boss.level = 4;
    boss.text = "s 900 300\np 10 10\n! 0 0\n";
    pack.levels.push_back(boss);
    return pack;
}

const char kGood[] =
    "headbot pack 1\ntitle T\nauthor A\nlevel level2\n| p 1 2\n| ! 0 0\nunproven\nend\n";

std::string refusal(const std::string& bytes) {
    LevelPack pack;
    pack.title = "kept";
    std::string error;
    EXPECT_FALSE(read_level_pack(bytes, pack, error)) << bytes;
    EXPECT_EQ(pack.title, "kept") << "a refused pack must leave nothing behind";
    return error;
}

}  // namespace

TEST(LevelPack, EveryFileComesOutByteForByte) {
    LevelPack pack = two_level_pack();
    // the shapes a text file can take: no last line end, empty lines, a
    // carriage return, a line that itself starts like a pack's line
    pack.levels[1].text = "s 900 300\r\n\n| not a mark\n\\ no line end\nend\n! 0 0";
    pack.levels.push_back(PackLevel{"level3", 3, "", false, 640, 480, "", ""});
    const std::string text = level_pack_text(pack);
    LevelPack back;
    std::string error;
    ASSERT_TRUE(read_level_pack(text, back, error)) << error;
    EXPECT_EQ(back.title, pack.title);
    EXPECT_EQ(back.author, pack.author);
    ASSERT_EQ(back.levels.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.levels[i].name, pack.levels[i].name);
        EXPECT_EQ(back.levels[i].level, pack.levels[i].level);
        EXPECT_EQ(back.levels[i].text, pack.levels[i].text);
        EXPECT_EQ(back.levels[i].proven, pack.levels[i].proven);
        EXPECT_EQ(back.levels[i].clear, pack.levels[i].clear);
        EXPECT_EQ(back.levels[i].fingerprint, pack.levels[i].fingerprint);
    }
    EXPECT_EQ(level_pack_text(back), text);
}

TEST(LevelPack, ShippedExamplePackReadsAndIsProven) {
    LevelPack pack;
    std::string error;
    ASSERT_TRUE(read_level_pack(source_file("data/packs/garden.headbot"), pack, error)) << error;
    EXPECT_FALSE(pack.title.empty());
    ASSERT_FALSE(pack.levels.empty());
    for (const PackLevel& level : pack.levels) {
        const Proof proof = prove_pack_level(level);
        EXPECT_EQ(proof.state, ProofState::proven) << level.name << ": " << proof.why;
        // its own files, not copies of the shipped levels
        EXPECT_NE(level.text, source_file("data/levels/" + level.name)) << level.name;
    }
}

TEST(LevelPack, BadPacksAreRefusedNamingTheLine) {
    EXPECT_NE(refusal("").find("empty"), std::string::npos);
    EXPECT_NE(refusal("headbot pack 2\ntitle T\nauthor A\nend\n").find("unknown pack version"), std::string::npos);
    EXPECT_NE(refusal("headbot pack 99999999999999999999999\n").find("unknown pack version"), std::string::npos);
    EXPECT_NE(refusal("hello\n").find("line 1: not a level pack"), std::string::npos);

    const std::string good = kGood;
    LevelPack ok;
    std::string error;
    ASSERT_TRUE(read_level_pack(good, ok, error)) << error;
    // cut short anywhere: at every line end before the last
    for (size_t cut = good.find('\n'); cut + 1 < good.size(); cut = good.find('\n', cut + 1))
        refusal(good.substr(0, cut + 1));
    EXPECT_NE(refusal(good.substr(0, good.size() - 4)).find("cut short"), std::string::npos);
    EXPECT_NE(refusal(good + "level level1\n").find("line 9: text after the \"end\""), std::string::npos);
    ASSERT_TRUE(read_level_pack(good + "\n \r\n", ok, error)) << "blank lines after the end: " << error;
    EXPECT_NE(refusal("headbot pack 1\ntitle T\nauthor A\nend\n").find("no level"), std::string::npos);

    const std::string head = "headbot pack 1\ntitle T\nauthor A\n";
    const std::string twice = head + "level level2\nunproven\nlevel level2\nunproven\nend\n";
    EXPECT_NE(refusal(twice).find("line 6: level level2 comes twice"), std::string::npos);
    EXPECT_NE(refusal(head + "level level8\nunproven\nend\n").find("not a level file name"), std::string::npos);
    for (const char* path : {"../level1", "/etc/passwd", "sub/level1", "..", "..\\level1"})
        EXPECT_NE(refusal(head + "level " + path + "\nunproven\nend\n").find("line 4:"), std::string::npos) << path;

    const std::string fp = " 0123456789abcdef\n";
    EXPECT_NE(refusal(head + "level level1\nclear 640 480" + fp + "| 10 R\n| ten X\nend\n").find("line 5: the clear of level1 is not a key script (line 2"),
              std::string::npos);
    for (const char* screen : {"99999999999999999999 480", "0 480", "640 16385", "-640 480", "640"})
        EXPECT_NE(refusal(head + "level level1\nclear " + screen + fp + "end\n").find("line 5: expected \"clear"),
                  std::string::npos)
            << screen;
    EXPECT_NE(refusal(head + "level level1\nclear 640 480 xyz\nend\n").find("16 hex digits"), std::string::npos);
    EXPECT_NE(refusal(head + "level level1\n| p 1 2\nend\n").find("neither"), std::string::npos);

    std::string junk = good;
    junk[good.find("p 1 2")] = '\0';
    EXPECT_NE(refusal(junk).find("line 5: binary data (byte 0x00)"), std::string::npos);
    EXPECT_NE(refusal(std::string("\x7f" "ELF\x02\x01", 6)).find("binary data"), std::string::npos);
    EXPECT_NE(refusal(head.substr(0, 15) + "title " + std::string(300, 'x') + "\n").find("longer than"), std::string::npos);
    EXPECT_NE(refusal(good + std::string(kLargestPack, ' ')).find("larger than"), std::string::npos);
}

TEST(LevelPack, ProvenOnlyWhileTheClearWinsExactlyThatText) {
    PackLevel level = proven_level1();
    Proof proof = prove_pack_level(level);
    ASSERT_EQ(proof.state, ProofState::proven) << proof.why;
    EXPECT_GT(proof.frames, 100);

    // the fingerprint goes by the records, so blanks do not matter
    PackLevel spaced = level;
    spaced.text = "  " + level.text;
    EXPECT_EQ(prove_pack_level(spaced).state, ProofState::proven);

    PackLevel edited = level;
    edited.text.replace(edited.text.find("U 419 208"), 9, "U 419 200");
    proof = prove_pack_level(edited);
    EXPECT_EQ(proof.state, ProofState::broken);
    EXPECT_NE(proof.why.find("changed after its clear"), std::string::npos);

    // a clear that walks nowhere, recorded on this very text
    PackLevel idle = level;
    idle.clear = "10 -\n";
    proof = prove_pack_level(idle);
    EXPECT_EQ(proof.state, ProofState::broken);
    EXPECT_NE(proof.why.find("does not end the level"), std::string::npos);

    PackLevel none = level;
    none.proven = false;
    EXPECT_EQ(prove_pack_level(none).state, ProofState::unproven);

}

TEST(PackTitle, WrittenAndReadBackAndHostileFilesGiveNothing) {
    const std::string path = testing::TempDir() + "/pack-title-test";
    const auto write = [&](const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    };
    LevelPack pack = two_level_pack();
    write(pack_title_text(pack));
    PackTitle title;
    ASSERT_TRUE(read_pack_title(path, title));
    EXPECT_EQ(title.title, "Two Rooms");
    EXPECT_EQ(title.author, "A. Maker");

    for (const std::string& bad : {std::string(""), std::string("title T\n"), std::string("author A\ntitle T\n"),
                                   std::string("title T\nauthor \x01\n"), "title " + std::string(5000, 'x') + "\nauthor A\n"}) {
        write(bad);
        PackTitle none;
        EXPECT_FALSE(read_pack_title(path, none)) << bad;
        EXPECT_TRUE(none.title.empty());
    }
    EXPECT_FALSE(read_pack_title(path + "-missing", title));
}

TEST(LevelPack, TheScreenAClearWasWonOnIsReadFromTheEditorsScript) {
    KeyRecord record;
    record.add_frame(true, false, false);
    screen_width = 800;
    screen_height = 600;
    const std::string script = key_script_text(record, "level3", 3, "0123456789abcdef");
    reset_world();
    int32_t w = 0, h = 0;
    screen_of_key_script(script, w, h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    // none named, or a screen no game opens: the shipped one
    for (const char* text : {"10 R\n", "# a won play, 5 frames on a 99999999999 by 600 screen\n10 R\n",
                             "# 5 frames on a 0 by 600 screen\n"}) {
        screen_of_key_script(text, w, h);
        EXPECT_EQ(w, 640) << text;
        EXPECT_EQ(h, 480) << text;
    }
}
