#include "viewer/swf/Shape.h"

#include "viewer/swf/HexText.h"

#include <ostream>

namespace swf {

namespace {

const char* FormName(EdgeForm form) {
    switch (form) {
    case EdgeForm::General:
        return "general";
    case EdgeForm::Vertical:
        return "vertical";
    case EdgeForm::Horizontal:
        return "horizontal";
    }
    return "?";
}

template <class Style> void PrintList(std::ostream& out, const std::vector<Style>& styles) {
    out << "[";
    const char* separator = "";
    for (const Style& style : styles) {
        out << separator << style;
        separator = ", ";
    }
    out << "]";
}

} // namespace

std::ostream& operator<<(std::ostream& out, const FillStyle& style) {
    if (const auto* solid = std::get_if<SolidFill>(&style)) {
        return out << "solid " << solid->color;
    }
    if (const auto* gradient = std::get_if<GradientFill>(&style)) {
        out << (gradient->type == FillType::RadialGradient ? "radial" : "linear") << " "
            << gradient->matrix;
        for (const GradientRecord& record : gradient->gradient) {
            out << " " << int{record.ratio} << ":" << record.color;
        }
        return out;
    }
    const auto& bitmap = std::get<BitmapFill>(style);
    return out << "bitmap "
               << "0x" << HexDigits(bitmap.type) << " id " << bitmap.bitmapId << " "
               << bitmap.matrix;
}

std::ostream& operator<<(std::ostream& out, const LineStyle& style) {
    return out << style.width << " " << style.color;
}

std::ostream& operator<<(std::ostream& out, const ShapeStyles& styles) {
    out << "fills ";
    PrintList(out, styles.fillStyles);
    out << " lines ";
    PrintList(out, styles.lineStyles);
    return out << " bits " << int{styles.numFillBits} << "/" << int{styles.numLineBits};
}

std::ostream& operator<<(std::ostream& out, const StyleChange& record) {
    out << "style";
    if (record.moveTo) {
        out << " move (" << record.moveTo->x << "," << record.moveTo->y << ")/"
            << int{record.moveTo->moveBits};
    }
    if (record.fillStyle0) {
        out << " fill0 " << *record.fillStyle0;
    }
    if (record.fillStyle1) {
        out << " fill1 " << *record.fillStyle1;
    }
    if (record.lineStyle) {
        out << " line " << *record.lineStyle;
    }
    if (record.newStyles) {
        out << " new " << *record.newStyles;
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const StraightEdge& record) {
    return out << "line (" << record.deltaX << "," << record.deltaY << ")/" << int{record.numBits}
               << " " << FormName(record.form);
}

std::ostream& operator<<(std::ostream& out, const CurvedEdge& record) {
    return out << "curve (" << record.controlDeltaX << "," << record.controlDeltaY << ") ("
               << record.anchorDeltaX << "," << record.anchorDeltaY << ")/" << int{record.numBits};
}

std::ostream& operator<<(std::ostream& out, const ShapeRecord& record) {
    std::visit([&out](const auto& alternative) { out << alternative; }, record);
    return out;
}

std::ostream& operator<<(std::ostream& out, const DefineShape3& tag) {
    out << "DefineShape3 id " << tag.shapeId << " bounds " << tag.bounds << " " << tag.styles
        << " records:";
    const char* separator = " ";
    for (const ShapeRecord& record : tag.records) {
        out << separator << record;
        separator = "; ";
    }
    return out << "; end";
}

} // namespace swf
