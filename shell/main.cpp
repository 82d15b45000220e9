// Headbot: head the ball out through the top of each level.
#include <allegro.h>

#include "shell/frame_log.h"
#include "shell/game_loop.h"
#include "shell/startup.h"

int main() {
    const int status = start_up();
    if (status != 0) return status;
    run_game();
    write_frame_log();
    tear_down();
    return 0;
}
END_OF_MAIN()
