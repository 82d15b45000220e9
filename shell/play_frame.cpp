#include "shell/play_frame.h"

#include <allegro.h>

#include <algorithm>

#include "render/render_frame.h"
#include "sim/frame.h"
#include "world/world.h"

void play_frame() {
    if (run_frame()) render_frame();
    rest(static_cast<unsigned>(std::max(frame_delay_ms, 0)));
}
