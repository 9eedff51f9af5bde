#pragma once

#include "graphics/null_surface.h"
#include "graphics/recording_surface.h"
#include "runtime/runtime_error.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <stdexcept>
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

// A surface that keeps every operation it takes, and refuses the n-th of one kind (counting
// from 1) with error 380 when told to. Told that it refuses no line, as a raster does, it is
// handed lines in runs and records each as a Line. A drawing far larger than any test asks for
// is cut short, so that a fault that makes one fails fast instead of filling the memory.
struct Recorder {
    static constexpr std::size_t kMostOperations = 10'000'000;

    struct Surface : RecordingSurface {
        using RecordingSurface::RecordingSurface;
        bool refusesNoLine = false;
        bool RefusesNoLine() const override { return refusesNoLine; }
    };

    std::vector<SurfaceOp> ops;
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
    }};

    std::vector<SurfaceOp> Lines() const {
        std::vector<SurfaceOp> lines;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(lines),
                     [](const SurfaceOp& op) { return op.kind == SurfaceOp::Kind::Line; });
        return lines;
    }
};

// A surface that only counts lines and keeps their bounds, for drawings of millions of
// segments: it refuses none and keeps every one, so it is given every one of them.
struct CountingSurface : NullSurface {
    std::size_t lines = 0;
    bool KeepsOnlyThePicture() const override { return false; }
    void Polyline(std::span<const Vertex> vertices) override {
        DrawingSurface::Polyline(vertices);
    }
    float lastX = 0, lastY = 0, minX = 0, maxX = 0, minY = 0, maxY = 0;

    void Line(float x1, float y1, float x2, float y2, Colour) override {
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
