#pragma once

#include "curve/curve_state.h"
#include "graphics/null_surface.h"
#include "graphics/raster_surface.h"
#include "graphics/recording_surface.h"
#include "runtime/runtime_error.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace vorrelin::testing {

// The number of the run-time error an operation raises, 0 for none.
int ErrorOf(auto&& operation) {
    try {
        operation();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

// The drawing area with the draw command's view on black: user 0 at pixel 10.07, 1000 at 211.5.
inline RasterSurface DrawingArea(double ratio = 1, std::function<void()> present = {}) {
    RasterSurface surface(433, 433, ratio, std::move(present));
    surface.DrawWidth(2);
    surface.BackColor(0);
    surface.Cls();
    surface.ScaleLeft(-50);
    surface.ScaleTop(-50);
    surface.ScaleWidth(2150);
    surface.ScaleHeight(2150);
    return surface;
}

// Keeps every operation, refuses the refuseAt-th of refuseKind with error 380, and cuts short a
// runaway drawing; told it refuses no line, it is handed lines in runs.
struct Recorder {
    static constexpr std::size_t kMostOperations = 10'000'000;

    struct Surface : RecordingSurface {
        using RecordingSurface::RecordingSurface;
        bool takesRuns = false;
        bool TakesRuns() const override { return takesRuns; }
    };

    std::vector<SurfaceOp> ops;
    // The window's pen and counter as each operation finds them, when there is a window to watch.
    const CurveState* window = nullptr;
    std::vector<std::pair<double, double>> windowAt;
    std::optional<SurfaceOp::Kind> refuseKind;
    std::size_t refuseAt = 1;
    std::size_t seen = 0;

    Surface surface{[this](const SurfaceOp& op) {
        if (refuseKind == op.kind && ++seen == refuseAt) {
            throw RuntimeError::InvalidPropertyValue();
        }
        if (ops.size() == kMostOperations) {
            throw std::length_error("a runaway drawing");
        }
        ops.push_back(op);
        if (window) {
            windowAt.emplace_back(window->CurX, window->SegmentCount);
        }
    }};

    std::vector<SurfaceOp> Lines() const {
        std::vector<SurfaceOp> lines;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(lines),
                     [](const SurfaceOp& op) { return op.kind == SurfaceOp::Kind::Line; });
        return lines;
    }
};

// Counts lines and keeps their bounds, for drawings of millions of segments, each handed over.
struct CountingSurface : NullSurface {
    std::size_t lines = 0;
    bool KeepsOnlyThePicture() const override { return false; }
    void Polyline(std::span<const Vertex> vertices) override { DrawingSurface::Polyline(vertices); }
    float lastX = 0, lastY = 0, minX = 0, maxX = 0, minY = 0, maxY = 0;

    void Line(float x1, float y1, float x2, float y2, Color) override {
        if (lines++ == 0) {
            minX = maxX = x1;
            minY = maxY = y1;
        }
        minX = std::min({minX, x1, x2});
        maxX = std::max({maxX, x1, x2});
        minY = std::min({minY, y1, y2});
        maxY = std::max({maxY, y1, y2});
        lastX = x2;
        lastY = y2;
    }
};

} // namespace vorrelin::testing
