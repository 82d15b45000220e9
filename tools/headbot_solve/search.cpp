#include "search.h"

#include <chrono>
#include <cmath>
#include <random>
#include <unordered_map>

#include "sim/frame.h"
#include "state_store.h"
#include "world/world.h"

namespace {

const uint8_t kChoices[] = {0, kKeyLeft, kKeyRight, kKeyUp, kKeyUp | kKeyLeft, kKeyUp | kKeyRight};
// At 95 frames a second the shortest is under a tenth of a second: a
// player's tap, not a machine's.
const uint16_t kHoldFrames[] = {8, 16, 24, 32, 48};

enum class Outcome { going, won, lost };

// Plays up to `frames` frames and says how many ran before the level ended.
Outcome play(uint8_t keys, int32_t frames, int32_t& played) {
    for (played = 0; played < frames;) {
        hold_keys(keys);
        run_frame();
        ++played;
        if (game_over) return Outcome::lost;
        if (level_done) return Outcome::won;
    }
    return Outcome::going;
}

int32_t blocks_broken() {
    int32_t n = 0;
    for (int32_t i = 0; i < block_count; ++i) n += blocks[i].present != 1;
    return n;
}

int32_t spiders_down() {
    int32_t n = 0;
    for (int32_t i = 0; i < spider_count; ++i) n += spiders[i].alive != 1;
    return n;
}

int32_t sign(int32_t v) { return (v > 0) - (v < 0); }

uint64_t mix(uint64_t h, int64_t v) {
    h ^= static_cast<uint64_t>(v) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    return h;
}

// The coarse situation: where the ball is and which way it flies, where the
// robot is, what is broken or squashed, how far the boss has fallen. Worlds
// in one situation are taken as the same and only the better one is kept.
// Coarser squares merge more worlds: on the shipped levels these sizes
// needed a quarter of the states that 32-pixel squares did.
constexpr int32_t kBallSquare = 48;
constexpr int32_t kRobotSquare = 64;

uint64_t situation() {
    uint64_t h = 0;
    h = mix(h, ball.x / kBallSquare);
    h = mix(h, ball.y / kBallSquare);
    h = mix(h, sign(ball.vx) * 3 + sign(ball.vy));
    h = mix(h, player.x / kRobotSquare);
    h = mix(h, player.y / kRobotSquare);
    h = mix(h, blocks_broken());
    h = mix(h, spiders_down());
    h = mix(h, is_boss_level(current_level) ? boss.y / 32 : 0);
    return h;
}

struct Cell {
    PackedState state;
    KeyPlan plan;
    int32_t frames = 0;
    int32_t health = 0;
    uint32_t chosen = 0;
    uint32_t reached = 0;
};

size_t cell_bytes(const Cell& c) {
    return sizeof(Cell) + 64 + c.state.capacity() + c.plan.capacity() * sizeof(Hold);
}

// Keeping more health wins over a shorter way there: a robot low on health
// cannot take the spiders or the boss that a later header needs. Once a win
// is known and only a faster one is wanted, the shorter way wins instead.
bool better(int32_t health, int32_t frames, const Cell& old, bool frames_first) {
    if (frames_first && frames != old.frames) return frames < old.frames;
    if (health != old.health) return health > old.health;
    return frames < old.frames;
}

void append(KeyPlan& plan, uint8_t keys, int32_t frames) {
    if (!plan.empty() && plan.back().keys == keys && plan.back().frames + frames <= 65535)
        plan.back().frames = static_cast<uint16_t>(plan.back().frames + frames);
    else
        plan.push_back({keys, static_cast<uint16_t>(frames)});
}

class Search {
public:
    explicit Search(const SearchLimits& limits) : limits_(limits), rng_(limits.seed) {
        start_ = std::chrono::steady_clock::now();
        keep(KeyPlan(), 0);
    }

    SearchResult run(const std::function<bool(const SearchProgress&)>& report,
                     const std::function<void(const SearchProgress&)>& improved) {
        improved_ = improved;
        double next_report = 0.5;
        for (;;) {
            progress_.elapsed = seconds();
            if (progress_.elapsed >= limits_.seconds) break;
            if (progress_.elapsed >= next_report) {
                if (!report(progress_)) break;
                next_report = progress_.elapsed + 0.5;
            }
            if (explore_from(choose()) && !limits_.fastest) break;
        }
        result_.progress = progress_;
        result_.progress.elapsed = seconds();
        result_.progress.states_kept = cells_.size();
        return result_;
    }

private:
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    // Least chosen first, among a few drawn at random: every situation gets
    // its turn and none is tried over and over.
    size_t choose() {
        std::uniform_int_distribution<size_t> any(0, cells_.size() - 1);
        size_t best = any(rng_);
        double best_weight = -1;
        for (int i = 0; i < 4; ++i) {
            size_t c = any(rng_);
            double w = 1.0 / std::sqrt(1.0 + cells_[c].chosen) + 0.5 / std::sqrt(1.0 + cells_[c].reached);
            if (w > best_weight) {
                best_weight = w;
                best = c;
            }
        }
        return best;
    }

    // Plays a few holds on from a kept world, keeping each new situation;
    // true when the level was won.
    bool explore_from(size_t c) {
        ++cells_[c].chosen;
        store_.unpack_world(cells_[c].state);
        KeyPlan plan = cells_[c].plan;
        int32_t frames = cells_[c].frames;
        uint8_t keys = plan.empty() ? 0 : plan.back().keys;
        std::uniform_int_distribution<int> holds(3, 12), choice(0, 5), hold_frames(0, 4), coin(0, 9);
        for (int n = holds(rng_); n > 0; --n) {
            // the keys held go on six times in ten: long holds, as a player's
            if (coin(rng_) >= 6) keys = kChoices[choice(rng_)];
            int32_t want = kHoldFrames[hold_frames(rng_)], played = 0;
            Outcome outcome = play(keys, want, played);
            ++progress_.states_tried;
            progress_.frames_run += played;
            frames += played;
            append(plan, keys, played);
            if (outcome == Outcome::won) {
                note_win(plan, frames);
                return true;
            }
            if (outcome == Outcome::lost || frames >= limits_.max_frames) return false;
            note_progress();
            keep(plan, frames);
        }
        return false;
    }

    // Every later way there is cut off at this win's frames: only a faster
    // one can still count.
    void note_win(const KeyPlan& plan, int32_t frames) {
        if (result_.won && frames >= progress_.fastest_win) return;
        result_.won = true;
        result_.plan = plan;
        progress_.fastest_win = frames;
        limits_.max_frames = frames - 1;
        progress_.elapsed = seconds();
        if (improved_) improved_(progress_);
    }

    void note_progress() {
        progress_.best_ball_height = std::max(progress_.best_ball_height, level_height - ball.y);
        progress_.most_blocks_broken = std::max(progress_.most_blocks_broken, blocks_broken());
    }

    void keep(const KeyPlan& plan, int32_t frames) {
        uint64_t key = situation();
        auto found = index_.find(key);
        if (found == index_.end()) {
            if (bytes_ >= limits_.state_bytes) {
                progress_.memory_full = true;
                return;
            }
            index_.emplace(key, cells_.size());
            cells_.push_back(Cell{store_.pack_world(), plan, frames, player.health, 0, 1});
            bytes_ += cell_bytes(cells_.back());
            progress_.states_kept = cells_.size();
            return;
        }
        Cell& cell = cells_[found->second];
        ++cell.reached;
        if (!better(player.health, frames, cell, limits_.fastest && result_.won)) return;
        bytes_ -= cell_bytes(cell);
        cell.state = store_.pack_world();
        cell.plan = plan;
        cell.frames = frames;
        cell.health = player.health;
        bytes_ += cell_bytes(cell);
    }

    SearchLimits limits_;
    std::mt19937_64 rng_;
    std::chrono::steady_clock::time_point start_;
    StateStore store_;
    std::vector<Cell> cells_;
    std::unordered_map<uint64_t, size_t> index_;
    size_t bytes_ = 0;
    SearchProgress progress_;
    SearchResult result_;
    std::function<void(const SearchProgress&)> improved_;
};

}  // namespace

SearchResult search_for_win(const SearchLimits& limits,
                            const std::function<bool(const SearchProgress&)>& report,
                            const std::function<void(const SearchProgress&)>& improved) {
    Search search(limits);
    return search.run(report, improved);
}
