// Runs the benchmarks with the pictures loaded and a memory bitmap in the
// screen's place, then sets every result beside the floor of the same run.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "render/asset_files.h"
#include "render/assets.h"

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // with repetitions, the median stands for the benchmark
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            std::string name = run.run_name.str();
            if (!run.report_label.empty()) name += " (" + run.report_label + ")";
            ns_[name] = run.GetAdjustedCPUTime();  // in ns; CPU time, so that other load on the machine counts less
            order_.push_back(name);
        }
    }

    void print_ratios() const {
        auto floor = ns_.find("BM_FloorClearAndBlit");
        if (floor == ns_.end()) return;
        std::printf("\n%-44s %12s %10s %12s\n", "benchmark", "time (us)", "x floor", "% of 10 ms");
        for (const std::string& name : order_) {
            double ns = ns_.at(name);
            std::printf("%-44s %12.2f %10.3f %12.3f\n", name.c_str(), ns / 1000.0, ns / floor->second,
                        ns / 1e7 * 100.0);
        }
    }

private:
    std::map<std::string, double> ns_;
    std::vector<std::string> order_;
};

}  // namespace

int main(int argc, char** argv) {
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    std::string failure;
    if (chdir(GAME_DIR) != 0 || !create_assets(failure)) {
        std::fprintf(stderr, "headbot-bench: no pictures in %s: %s\n", GAME_DIR, failure.c_str());
        return 1;
    }
    screen = create_bitmap(640, 480);  // the display's stand-in

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();

    destroy_bitmap(screen);
    screen = nullptr;
    destroy_assets();
    return 0;
}
