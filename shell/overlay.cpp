#include "shell/overlay.h"

#include <array>
#include <cstddef>

namespace {

std::array<OverlayDraw, static_cast<size_t>(OverlayLayer::kCount)> layers;

OverlayDraw& slot(OverlayLayer layer) { return layers[static_cast<size_t>(layer)]; }

}  // namespace

void set_overlay(OverlayLayer layer, OverlayDraw draw) { slot(layer) = std::move(draw); }

void clear_overlay(OverlayLayer layer) { slot(layer) = nullptr; }

void clear_overlays() {
    for (OverlayDraw& draw : layers) draw = nullptr;
}

void draw_overlays(BITMAP* copy, int width, int height) {
    for (const OverlayDraw& draw : layers)
        if (draw) draw(copy, width, height);
}
