#include "GlyphCanvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quillot {

GlyphCanvas::GlyphCanvas(int width, int height)
    : m_width(width), m_height(height),
      m_rgb(static_cast<std::size_t>(width) * height * 3, 0x20),
      m_painted(static_cast<std::size_t>(width) * height, false) {}

void GlyphCanvas::Fill(const std::vector<Polygon>& polygons, std::uint32_t rgb) {
    for (int y = 0; y < m_height; ++y) {
        const double sampleY = y + 0.5;
        // Crossings of the row with every edge, with the edge's direction.
        std::vector<std::pair<double, int>> crossings;
        for (const Polygon& polygon : polygons) {
            for (std::size_t index = 0; index < polygon.size(); ++index) {
                const Point& a = polygon[index];
                const Point& b = polygon[(index + 1) % polygon.size()];
                if ((a.y <= sampleY) == (b.y <= sampleY)) {
                    continue;
                }
                const double x = a.x + (sampleY - a.y) / (b.y - a.y) * (b.x - a.x);
                crossings.emplace_back(x, a.y < b.y ? 1 : -1);
            }
        }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (std::size_t index = 0; index + 1 < crossings.size(); ++index) {
            winding += crossings[index].second;
            if (winding == 0) {
                continue;
            }
            const int from = std::max(0, static_cast<int>(std::ceil(crossings[index].first - 0.5)));
            const int to = std::min(m_width - 1, static_cast<int>(std::floor(crossings[index + 1].first - 0.5)));
            for (int x = from; x <= to; ++x) {
                const std::size_t pixel = static_cast<std::size_t>(y) * m_width + x;
                m_painted[pixel] = true;
                m_rgb[pixel * 3] = static_cast<std::uint8_t>(rgb >> 16);
                m_rgb[pixel * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
                m_rgb[pixel * 3 + 2] = static_cast<std::uint8_t>(rgb);
            }
        }
    }
}

bool GlyphCanvas::Painted(int x, int y) const {
    return m_painted[static_cast<std::size_t>(y) * m_width + x];
}

GlyphCanvas::Box GlyphCanvas::InkBox(int x0, int y0, int x1, int y1) const {
    Box box{x1 + 1, y1 + 1, x0 - 1, y0 - 1};
    for (int y = std::max(0, y0); y <= std::min(m_height - 1, y1); ++y) {
        for (int x = std::max(0, x0); x <= std::min(m_width - 1, x1); ++x) {
            if (Painted(x, y)) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

int GlyphCanvas::InkInRow(int y, int x0, int x1) const {
    int count = 0;
    for (int x = std::max(0, x0); x <= std::min(m_width - 1, x1); ++x) {
        count += Painted(x, y);
    }
    return count;
}

} // namespace quillot
