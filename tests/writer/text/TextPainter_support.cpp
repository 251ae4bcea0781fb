#include "TextPainter.h"

#include <map>

namespace quillot {

namespace {

constexpr double kTwipsPerPixel = 20.0;
constexpr int kCurveSteps = 8;

using Polygon = GlyphCanvas::Polygon;

// Where a glyph point ends up: along the pen, scaled to the text height,
// through the placement matrix, in pixels.
struct GlyphPlacement {
    swf::Matrix matrix;
    double penX;
    double scale;

    GlyphCanvas::Point Map(double x, double y) const {
        const double textX = penX + x * scale, textY = y * scale;
        const double scaleX = matrix.scale ? matrix.scale->first / 65536.0 : 1.0;
        const double scaleY = matrix.scale ? matrix.scale->second / 65536.0 : 1.0;
        const double skew0 = matrix.rotateSkew ? matrix.rotateSkew->first / 65536.0 : 0.0;
        const double skew1 = matrix.rotateSkew ? matrix.rotateSkew->second / 65536.0 : 0.0;
        return {(textX * scaleX + textY * skew1 + matrix.translateX) / kTwipsPerPixel,
                (textX * skew0 + textY * scaleY + matrix.translateY) / kTwipsPerPixel};
    }
};

std::vector<Polygon> GlyphPolygons(const swf::GlyphShape& glyph, const GlyphPlacement& placement) {
    std::vector<Polygon> polygons;
    double x = 0, y = 0;
    for (const swf::ShapeRecord& record : glyph.records) {
        if (const auto* change = std::get_if<swf::StyleChange>(&record)) {
            if (change->moveTo) {
                x = change->moveTo->x;
                y = change->moveTo->y;
                polygons.push_back({placement.Map(x, y)});
            }
        } else if (polygons.empty()) {
            continue;
        } else if (const auto* edge = std::get_if<swf::StraightEdge>(&record)) {
            x += edge->deltaX;
            y += edge->deltaY;
            polygons.back().push_back(placement.Map(x, y));
        } else {
            const auto& curve = std::get<swf::CurvedEdge>(record);
            const double controlX = x + curve.controlDeltaX, controlY = y + curve.controlDeltaY;
            const double anchorX = controlX + curve.anchorDeltaX, anchorY = controlY + curve.anchorDeltaY;
            for (int step = 1; step <= kCurveSteps; ++step) {
                const double t = static_cast<double>(step) / kCurveSteps, u = 1 - t;
                polygons.back().push_back(placement.Map(u * u * x + 2 * u * t * controlX + t * t * anchorX,
                                                        u * u * y + 2 * u * t * controlY + t * t * anchorY));
            }
            x = anchorX;
            y = anchorY;
        }
    }
    return polygons;
}

void PaintText(const swf::DefineText2& text, const std::map<uint16_t, const swf::DefineFont*>& fonts,
               const swf::Matrix& matrix, GlyphCanvas& canvas) {
    const swf::DefineFont* font = nullptr;
    std::uint32_t rgb = 0xFFFFFF;
    GlyphPlacement placement{matrix, 0, 1};
    for (const swf::TextRecord& record : text.records) {
        if (const auto* style = std::get_if<swf::TextStyle>(&record)) {
            if (style->fontId) {
                auto found = fonts.find(*style->fontId);
                font = found == fonts.end() ? nullptr : found->second;
                placement.scale = *style->height / 1024.0;
            }
            if (style->color) {
                rgb = style->color->red << 16 | style->color->green << 8 | style->color->blue;
            }
            continue;
        }
        for (const swf::GlyphEntry& glyph : std::get<swf::GlyphRun>(record).glyphs) {
            if (font != nullptr && glyph.index < font->glyphs.size()) {
                canvas.Fill(GlyphPolygons(font->glyphs[glyph.index], placement), rgb);
            }
            placement.penX += glyph.advance;
        }
    }
}

} // namespace

int PaintTexts(const swf::Movie& movie, GlyphCanvas& canvas) {
    std::map<uint16_t, const swf::DefineFont*> fonts;
    std::map<uint16_t, const swf::DefineText2*> texts;
    int painted = 0;
    for (const swf::Tag& tag : movie.tags) {
        if (const auto* font = swf::As<swf::DefineFont>(tag)) {
            fonts[font->fontId] = font;
        } else if (const auto* text = swf::As<swf::DefineText2>(tag)) {
            texts[text->textId] = text;
        } else if (const auto* place = swf::As<swf::PlaceObject2>(tag)) {
            auto found = place->characterId ? texts.find(*place->characterId) : texts.end();
            if (found != texts.end()) {
                PaintText(*found->second, fonts, place->matrix.value_or(swf::Matrix{}), canvas);
                ++painted;
            }
        }
    }
    return painted;
}

} // namespace quillot
