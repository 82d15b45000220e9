#include "world/pack_proof.h"

#include <sstream>

#include "sim/frame.h"
#include "world/level_loader.h"
#include "world/world.h"

Replay replay_level(const std::string& level_text, int32_t level, int32_t screen_width,
                    int32_t screen_height, const KeyScript& script, int64_t limit) {
    // a fresh world with only the screen's size from the configuration
    reset_world();
    ::screen_width = screen_width;
    ::screen_height = screen_height;
    current_level = level;
    std::istringstream in(level_text);
    read_level_records(in);
    settle_level_start();
    KeyCursor keys(script);
    Replay replay;
    while (replay.frames < limit) {
        hold_keys(key_bits(keys.next()));
        run_frame();
        ++replay.frames;
        if (game_over) {
            replay.end = ReplayEnd::over;
            return replay;
        }
        if (level_done) {
            replay.end = ReplayEnd::won;
            return replay;
        }
    }
    return replay;
}

Proof prove_pack_level(const PackLevel& level) {
    Proof proof;
    if (!level.proven) return proof;
    proof.state = ProofState::broken;
    if (level_text_fingerprint(level.text) != level.fingerprint) {
        proof.why = "the level was changed after its clear was recorded";
        return proof;
    }
    KeyScript script;
    std::istringstream in(level.clear);
    if (!parse_key_script(in, script, proof.why)) {
        proof.why = "its clear is not a key script (" + proof.why + ")";
        return proof;
    }
    const Replay replay = replay_level(level.text, level.level, level.screen_width, level.screen_height, script);
    proof.frames = replay.frames;
    if (replay.end == ReplayEnd::over) {
        proof.why = "its clear loses: the game is over after " + std::to_string(replay.frames) + " frames";
    } else if (replay.end == ReplayEnd::stopped) {
        proof.why = "its clear does not end the level in " + std::to_string(replay.frames) + " frames";
    } else {
        proof.state = ProofState::proven;
    }
    return proof;
}
