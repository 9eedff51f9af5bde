#pragma once

#include "platform/null_surface.h"
#include "platform/recording_surface.h"
#include "platform/runtime_error.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace vorrelin::testing {

// A recording surface whose operations land in `ops`, and which refuses the n-th operation of
// one kind (counting from 1) with a run-time error, when told to.
struct Recorder {
    std::vector<SurfaceOp> ops;
    std::optional<SurfaceOp::Kind> refuseKind;
    std::size_t refuseAt = 1;
    int refusal = RuntimeError::kInvalidPropertyValue;
    std::size_t seen = 0;

    RecordingSurface surface{[this](const SurfaceOp& op) {
        if (refuseKind == op.kind && ++seen == refuseAt) {
            throw RuntimeError(refusal, "refused");
        }
        ops.push_back(op);
    }};

    std::vector<SurfaceOp> Lines() const {
        std::vector<SurfaceOp> lines;
        for (const SurfaceOp& op : ops) {
            if (op.kind == SurfaceOp::Kind::Line) {
                lines.push_back(op);
            }
        }
        return lines;
    }
    std::size_t Count(SurfaceOp::Kind kind) const {
        std::size_t n = 0;
        for (const SurfaceOp& op : ops) {
            n += op.kind == kind ? 1 : 0;
        }
        return n;
    }
};

// A surface that only counts, for drawings of millions of segments.
struct CountingSurface : NullSurface {
    std::size_t lines = 0;
    std::size_t refreshes = 0;
    float lastX = 0;
    float lastY = 0;
    float minX = 0;
    float maxX = 0;
    float minY = 0;
    float maxY = 0;

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
    void Refresh() override { ++refreshes; }
};

} // namespace vorrelin::testing
