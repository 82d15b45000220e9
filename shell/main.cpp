// Headbot: head the ball out through the top of each level.
#include <allegro.h>

#include "shell/frame_log.h"
#include "shell/game_loop.h"
#include "shell/pack_start.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    // a level pack given to the game is played in a folder of its own
    int status = start_in_pack_folder(argc, argv);
    if (status != 0) return status;
    status = start_up();
    if (status != 0) return status;
    run_game();
    write_frame_log();
    tear_down();
    return 0;
}
END_OF_MAIN()
