#include "graphics/stamp_line.h"

#include "graphics/bresenham.h"

#include <cstddef>

namespace vorrelin {

void StampLine(Raster& raster, int side, const SquareLine& line, Pixel pixel) {
    ForEachBresenhamPoint(line.column, line.row, line.endColumn, line.endRow,
                          [&](int column, int row) {
                              raster.Fill({column, row, side, side}, pixel);
                          });
}

void StrokeByStamping(Raster& raster, const PenPlacement& pen, std::span<const Vertex> vertices) {
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        if (const auto line =
                PlaceLine(pen, raster.Width(), raster.Height(), vertices[i - 1], vertices[i])) {
            StampLine(raster, pen.side, *line, ToPixel(vertices[i].color));
        }
    }
}

} // namespace vorrelin
