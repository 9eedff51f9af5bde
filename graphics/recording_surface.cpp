#include "graphics/recording_surface.h"

namespace vorrelin {

void Replay(const SurfaceOp& op, DrawingSurface& surface) {
    using Kind = SurfaceOp::Kind;
    switch (op.kind) {
    case Kind::DrawWidth:
        return surface.DrawWidth(op.width);
    case Kind::BackColor:
        return surface.BackColor(op.color);
    case Kind::Cls:
        return surface.Cls();
    case Kind::ScaleLeft:
        return surface.ScaleLeft(op.x1);
    case Kind::ScaleTop:
        return surface.ScaleTop(op.x1);
    case Kind::ScaleWidth:
        return surface.ScaleWidth(op.x1);
    case Kind::ScaleHeight:
        return surface.ScaleHeight(op.x1);
    case Kind::Line:
        return surface.Line(op.x1, op.y1, op.x2, op.y2, op.color);
    case Kind::Refresh:
        return surface.Refresh();
    }
}

void RecordingSurface::DrawWidth(std::int16_t pixels) {
    sink_({.kind = SurfaceOp::Kind::DrawWidth, .width = pixels});
}

void RecordingSurface::BackColor(Color color) {
    sink_({.kind = SurfaceOp::Kind::BackColor, .color = color});
}

void RecordingSurface::Cls() {
    sink_({.kind = SurfaceOp::Kind::Cls});
}

void RecordingSurface::Scale(SurfaceOp::Kind kind, float value) {
    sink_({.kind = kind, .x1 = value});
}

void RecordingSurface::ScaleLeft(float value) {
    Scale(SurfaceOp::Kind::ScaleLeft, value);
}
void RecordingSurface::ScaleTop(float value) {
    Scale(SurfaceOp::Kind::ScaleTop, value);
}
void RecordingSurface::ScaleWidth(float value) {
    Scale(SurfaceOp::Kind::ScaleWidth, value);
}
void RecordingSurface::ScaleHeight(float value) {
    Scale(SurfaceOp::Kind::ScaleHeight, value);
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Color color) {
    sink_(
        {.kind = SurfaceOp::Kind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color});
}

void RecordingSurface::Refresh() {
    sink_({.kind = SurfaceOp::Kind::Refresh});
}

} // namespace vorrelin
