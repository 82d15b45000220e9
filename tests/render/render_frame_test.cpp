#include "render/render_frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "render/assets.h"
#include "support/level_text.h"
#include "tests/render/headless_allegro.h"
#include "world/world.h"

namespace {

// Every sprite is an 8 by 8 block of its own colour, so a pixel tells which
// sprite was drawn last there. Raw 16-bit values, none of them the mask colour.
enum Colour : int {
    kMushroom = 0x0101, kGround = 0x0202, kBreakable = 0x0303, kSolid = 0x0404,
    kMoving = 0x0505, kSpider = 0x0606, kBoss = 0x0707, kBall = 0x0808,
    kRight = 0x0909, kLeft = 0x0a0a,
};
constexpr int kBar = 900;
constexpr int kSide = 8;

BITMAP* solid(int colour) {
    BITMAP* b = create_bitmap(kSide, kSide);
    clear_to_color(b, colour);
    return b;
}

class RenderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        start_headless_allegro();
        mushroom_sprite = solid(kMushroom);
        ground_sprite = solid(kGround);
        breakable_block_sprite = solid(kBreakable);
        solid_block_sprite = solid(kSolid);
        moving_block_sprite = solid(kMoving);
        spider_sprite = solid(kSpider);
        boss_sprite = solid(kBoss);
        ball_sprite = solid(kBall);
        player_right_sprite = solid(kRight);
        player_left_sprite = solid(kLeft);
        back_buffer = create_bitmap(640, 480);
        player.health_bar = create_bitmap(100, 20);
    }

    // A 640 by 480 level, so that world and screen coordinates agree; the
    // robot and its ball are parked far off the screen unless a test moves
    // them.
    static void load(const std::string& records, int32_t level = 1) {
        load_level_text("s 640 480\np 5000 5000\n" + records + "!", level);
        ASSERT_EQ(offset_y, 0);
    }

    static int at(int x, int y) { return getpixel(back_buffer, x, y); }
};

TEST_F(RenderTest, HealthBarFillsColumnsUpToTheHealthWithTheRawValue) {
    load("");
    struct Case { int32_t health; int last_filled; };
    for (Case c : std::vector<Case>{{100, 99}, {99, 99}, {50, 50}, {1, 1}, {0, 0}, {-7, 0}}) {
        player.health = c.health;
        compose_frame();
        for (int row : {0, 19}) {
            EXPECT_EQ(getpixel(player.health_bar, c.last_filled, row), kBar) << c.health;
            EXPECT_EQ(getpixel(player.health_bar, 0, row), kBar) << c.health;
            if (c.last_filled < 99) {
                EXPECT_EQ(getpixel(player.health_bar, c.last_filled + 1, row), 0) << c.health;
            }
        }
        // fixed on the screen at (0, 10), black part included
        EXPECT_EQ(at(c.last_filled, 10), kBar);
        EXPECT_EQ(at(0, 29), kBar);
        EXPECT_EQ(at(0, 9), 0);
        EXPECT_EQ(at(0, 30), 0);
        if (c.last_filled < 99) {
            EXPECT_EQ(at(99, 20), 0);
        }
    }
}

TEST_F(RenderTest, EachBlockShowsOneSpriteByBreakableThenKind) {
    load("E 100 100\nU 200 100\nG 300 100\nE 400 100\nU 500 100\n");
    blocks[0].kind = 1;     // breakable wins over moving
    blocks[3].present = 0;  // broken
    blocks[4].present = 0;
    compose_frame();
    EXPECT_EQ(at(100, 100), kBreakable);
    EXPECT_EQ(at(200, 100), kSolid);
    EXPECT_EQ(at(300, 100), kMoving);
    EXPECT_EQ(at(400, 100), 0);
    EXPECT_EQ(at(500, 100), 0);
}

// Objects 2 pixels apart, in drawing order: wherever two overlap, the later
// one must show, so column 2k + 1 shows the k-th kind.
TEST_F(RenderTest, LaterKindsCoverEarlierOnesAndTheRobotCoversTheBar) {
    load("M 0 200\nA 2 200\nU 4 200\nD 6 200\n", 4);
    boss.x = 8;
    boss.y = 200;
    falling_spider.x = 10;
    falling_spider.y = 198;  // its own colour is the spider's: shifted to tell it apart
    ball.x = 12;
    ball.y = 200;
    player.x = 14;
    player.y = 200;
    compose_frame();
    const int expected[] = {kMushroom, kGround, kSolid, kSpider, kBoss, kSpider, kBall, kRight};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(at(2 * k + 1, 200), expected[k]) << "layer " << k;
    EXPECT_EQ(at(11, 199), kSpider);  // the falling spider over the boss

    player.x = 50;
    player.y = 15;
    player.facing = 2;
    compose_frame();
    EXPECT_EQ(at(50, 15), kLeft);
    EXPECT_EQ(at(49, 15), kBar);
    player.facing = 3;  // anything but 1 faces left
    compose_frame();
    EXPECT_EQ(at(50, 15), kLeft);
}

TEST_F(RenderTest, BossAndFallingSpiderShowOnlyOnTheirLevels) {
    for (int32_t level = 1; level <= 7; ++level) {
        load("", level);
        boss.x = 200;
        boss.y = 200;
        falling_spider.x = 300;
        falling_spider.y = 300;
        compose_frame();
        EXPECT_EQ(at(200, 200), is_boss_level(level) ? kBoss : 0) << level;
        EXPECT_EQ(at(300, 300), has_falling_spider(level) ? kSpider : 0) << level;
        falling_spider.alive = 0;
        compose_frame();
        EXPECT_EQ(at(300, 300), 0) << level;
    }
}

TEST_F(RenderTest, SpidersShowOnlyAliveAndWithinTheCount) {
    load("D 100 100\nD 200 100\nD 300 100\n");
    load_next_level_text("s 640 480\nD 100 300\nD 200 300\n!", 1);
    spiders[1].alive = 0;
    compose_frame();
    EXPECT_EQ(at(100, 300), kSpider);
    EXPECT_EQ(at(200, 300), 0);
    EXPECT_EQ(at(300, 100), 0);  // left over from the bigger level
}

TEST_F(RenderTest, SpritesFollowTheCameraButTheBarStaysPut) {
    load_level_text("s 2000 1000\np 5000 5000\nM 400 900\nA 700 900\n!");
    camera_x = 300;
    offset_x = -300;
    compose_frame();
    // offset_y = 480 - 1000: the bottom of the level is the bottom of the screen
    EXPECT_EQ(at(100, 380), kMushroom);
    EXPECT_EQ(at(99, 380), 0);
    EXPECT_EQ(at(100, 379), 0);
    EXPECT_EQ(at(400, 380), kGround);
    EXPECT_EQ(at(0, 10), kBar);
}

}  // namespace
