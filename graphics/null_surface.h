#pragma once

#include "graphics/drawing_surface.h"

namespace vorrelin {

// A surface that takes every operation and draws nothing: what is left of a drawing's cost
// without one is the curve's own.
class NullSurface : public DrawingSurface {
public:
    void DrawWidth(std::int16_t) override {}
    void BackColor(Color) override {}
    void Cls() override {}
    void ScaleLeft(float) override {}
    void ScaleTop(float) override {}
    void ScaleWidth(float) override {}
    void ScaleHeight(float) override {}
    void Line(float, float, float, float, Color) override {}
    void Refresh() override {}
    bool TakesRuns() const override { return true; }
    bool KeepsOnlyThePicture() const override { return true; }
    void Polyline(std::span<const Vertex>) override {}
};

} // namespace vorrelin
