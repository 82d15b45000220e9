#include "render/asset_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "render/assets.h"
#include "support/level_text.h"
#include "tests/render/headless_allegro.h"
#include "world/world.h"

namespace {

const char* const kImages[] = {"title.bmp", "GAMEOVER.bmp", "robot1.bmp", "robot.bmp",
                               "ground.bmp", "doubleblock.bmp", "block2.bmp", "block.bmp",
                               "mushroom.bmp", "anti.bmp", "spider.bmp", "boss1.bmp"};

// Start-up's own handles, which these tests set aside and bring back.
BITMAP** const kHandles[] = {
    &title_image, &game_over_image, &back_buffer, &player_right_sprite,
    &player_left_sprite, &ground_sprite, &moving_block_sprite, &solid_block_sprite,
    &breakable_block_sprite, &player.health_bar, &mushroom_sprite, &ball_sprite,
    &spider_sprite, &boss_sprite};
constexpr int kHandleCount = 14;

class AssetFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        start_headless_allegro();
        scratch_dir();  // the working directory, where the images are looked for
        BITMAP* picture = create_bitmap(4, 4);
        clear_to_color(picture, 0x1234);
        for (const char* name : kImages) save_bmp(name, picture, nullptr);
        destroy_bitmap(picture);
        for (int i = 0; i < kHandleCount; ++i) {
            kept_[i] = *kHandles[i];
            *kHandles[i] = nullptr;
        }
    }
    void TearDown() override {
        for (int i = 0; i < kHandleCount; ++i) *kHandles[i] = kept_[i];
        for (const char* name : kImages) unlink(name);
        screen_width = 640;
        screen_height = 480;
    }
    BITMAP* kept_[kHandleCount] = {};
};

TEST_F(AssetFilesTest, MakesAllFourteenAndReleasesThem) {
    screen_width = 320;
    screen_height = 200;
    std::string failure;
    ASSERT_TRUE(create_assets(failure)) << failure;
    ASSERT_NE(back_buffer, nullptr);
    EXPECT_EQ(back_buffer->w, 320);
    EXPECT_EQ(back_buffer->h, 200);
    ASSERT_NE(player.health_bar, nullptr);
    EXPECT_EQ(player.health_bar->w, 100);
    EXPECT_EQ(player.health_bar->h, 20);
    EXPECT_EQ(bitmap_color_depth(boss_sprite), 16);
    for (BITMAP* b : {title_image, game_over_image, player_right_sprite, player_left_sprite,
                      ground_sprite, moving_block_sprite, solid_block_sprite,
                      breakable_block_sprite, mushroom_sprite, ball_sprite, spider_sprite})
        EXPECT_NE(b, nullptr);
    destroy_assets();
    EXPECT_EQ(title_image, nullptr);
    EXPECT_EQ(boss_sprite, nullptr);
    EXPECT_EQ(player.health_bar, nullptr);
}

TEST_F(AssetFilesTest, NamesWhatFailedAndReleasesWhatWasMade) {
    unlink("anti.bmp");
    std::string failure;
    EXPECT_FALSE(create_assets(failure));
    EXPECT_EQ(failure, "cannot load image anti.bmp");
    EXPECT_EQ(title_image, nullptr);
    EXPECT_EQ(back_buffer, nullptr);
    EXPECT_EQ(player.health_bar, nullptr);
    EXPECT_EQ(mushroom_sprite, nullptr);

    screen_width = 0;
    EXPECT_FALSE(create_assets(failure));
    EXPECT_EQ(failure, "cannot create the 0 by 480 back buffer");
    EXPECT_EQ(game_over_image, nullptr);
}

}  // namespace
