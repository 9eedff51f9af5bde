#pragma once

#include "graphics/drawing_surface.h"

#include <functional>
#include <utility>

namespace vorrelin {

// One operation received by a drawing surface, with its arguments.
struct SurfaceOp {
    enum class Kind {
        DrawWidth,
        BackColor,
        Cls,
        ScaleLeft,
        ScaleTop,
        ScaleWidth,
        ScaleHeight,
        Line,
        Refresh
    };

    Kind kind = Kind::Cls;
    float x1 = 0; // a Scale… property's value, or the line's start
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    Color color = 0;      // Line and BackColor
    std::int16_t width = 0; // DrawWidth

    bool operator==(const SurfaceOp&) const = default;
};

// Applies an operation to a surface.
void Replay(const SurfaceOp& op, DrawingSurface& surface);

// A surface that draws nothing and hands every operation it receives, in order, to a sink.
// The sink decides what to keep: a list for a test, a count or a printed line for a trace.
// An exception from the sink is the surface refusing that operation.
class RecordingSurface : public DrawingSurface {
public:
    using Sink = std::function<void(const SurfaceOp&)>;

    explicit RecordingSurface(Sink sink) : sink_(std::move(sink)) {}

    void DrawWidth(std::int16_t pixels) override;
    void BackColor(Color color) override;
    void Cls() override;
    void ScaleLeft(float value) override;
    void ScaleTop(float value) override;
    void ScaleWidth(float value) override;
    void ScaleHeight(float value) override;
    void Line(float x1, float y1, float x2, float y2, Color color) override;
    void Refresh() override;

private:
    void Scale(SurfaceOp::Kind kind, float value);

    Sink sink_;
};

} // namespace vorrelin
