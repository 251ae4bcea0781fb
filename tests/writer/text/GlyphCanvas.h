#pragma once

#include <cstdint>
#include <vector>

namespace quillot {

// A small RGB raster for looking at glyph shapes: polygons filled with the
// non-zero winding rule, sampled at pixel centres, without anti-aliasing.
class GlyphCanvas {
public:
    struct Point {
        double x, y;
    };
    using Polygon = std::vector<Point>;
    struct Box {
        int left, top, right, bottom; // inclusive; left > right when empty
    };

    GlyphCanvas(int width, int height);

    void Fill(const std::vector<Polygon>& polygons, std::uint32_t rgb);
    // The box around the painted pixels of the region (x0..x1, y0..y1 inclusive).
    Box InkBox(int x0, int y0, int x1, int y1) const;
    int InkInRow(int y, int x0, int x1) const;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<std::uint8_t>& Rgb() const { return m_rgb; }

private:
    bool Painted(int x, int y) const;

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_rgb;
    std::vector<bool> m_painted;
};

} // namespace quillot
