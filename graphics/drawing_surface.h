#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorrelin {

// A color as the program computes it: red + 256 × green + 65536 × blue, each channel 0..255.
using Color = std::uint32_t;

inline constexpr Color kBlack = 0x000000;

// A point of a polyline, with the color of the line that ends there.
struct Vertex {
    float x;
    float y;
    Color color;
};

// The drawing area as the program uses it. The setters carry the names of the properties they
// write. Coordinates are user coordinates: the inner area's top-left corner is
// (ScaleLeft, ScaleTop), its bottom-right (ScaleLeft + ScaleWidth, ScaleTop + ScaleHeight),
// each axis stretched to the area. Any operation may refuse with a RuntimeError.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // The width in logical pixels of every line drawn from now on.
    virtual void DrawWidth(std::int16_t pixels) = 0;
    // The color that Cls fills with.
    virtual void BackColor(Color color) = 0;
    // Erases everything drawn: the whole area shows BackColor.
    virtual void Cls() = 0;
    virtual void ScaleLeft(float value) = 0;
    virtual void ScaleTop(float value) = 0;
    virtual void ScaleWidth(float value) = 0;
    virtual void ScaleHeight(float value) = 0;
    // A straight line between two absolute points, DrawWidth pixels wide, both ends included.
    virtual void Line(float x1, float y1, float x2, float y2, Color color) = 0;
    // Shows the image drawn so far on screen.
    virtual void Refresh() = 0;

    // Whether the surface takes lines in runs (Polyline): it draws every line it is given and
    // never refuses one, for a refusal inside a run could not tell which line it was.
    virtual bool TakesRuns() const { return false; }
    // Whether all the surface keeps of what it is given is the picture, in which a line hides
    // whatever it is drawn over. Such a surface may be spared lines, and refreshes, that would
    // leave the picture as it is.
    virtual bool KeepsOnlyThePicture() const { return false; }
    // The lines from each vertex to the next, in the next one's color: the same as one Line
    // call per line, in one call.
    virtual void Polyline(std::span<const Vertex> vertices) {
        for (std::size_t i = 1; i < vertices.size(); ++i) {
            Line(vertices[i - 1].x, vertices[i - 1].y, vertices[i].x, vertices[i].y,
                 vertices[i].color);
        }
    }
};

} // namespace vorrelin
