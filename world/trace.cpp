#include "world/trace.h"

#include "world/world.h"

const char kTraceHeader[] =
    "# frame level px py pfs pacc pstep pair facing health lives bx by bvx bvy camx viewb "
    "bossx bossy bossfs bossacc bossdir bossair fsx fsy fsalive blocks spiders done over\n";

namespace {

int32_t blocks_present() {
    int32_t n = 0;
    for (int32_t i = 0; i < block_count; ++i) n += blocks[i].present == 1;
    return n;
}

int32_t spiders_alive() {
    int32_t n = 0;
    for (int32_t i = 0; i < spider_count; ++i) n += spiders[i].alive == 1;
    return n;
}

}  // namespace

void print_trace_line(FILE* out, int64_t frame) {
    const Player& p = player;
    std::fprintf(out,
                 "%lld %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d "
                 "%d %d %d %d\n",
                 static_cast<long long>(frame), current_level, p.x, p.y, p.fall_step, p.fall_accum,
                 p.step_counter, p.airborne, p.facing, p.health, p.lives, ball.x, ball.y, ball.vx,
                 ball.vy, camera_x, view_bottom, boss.x, boss.y, boss.fall_step, boss.fall_accum,
                 boss.direction, boss.airborne, falling_spider.x, falling_spider.y,
                 falling_spider.alive, blocks_present(), spiders_alive(), level_done, game_over);
}
