#include "viewer/swf/Geometry.h"

#include "viewer/swf/Reader.h"

#include <ostream>
#include <tuple>

namespace swf {

namespace {

// A pair of signed fields preceded by their 5-bit bit count.
std::pair<int32_t, int32_t> ReadBitPair(Reader& reader) {
    unsigned bits = reader.Bits(5);
    int32_t first = reader.SignedBits(bits);
    int32_t second = reader.SignedBits(bits);
    return {first, second};
}

} // namespace

Rect ReadRect(Reader& reader) {
    reader.Align();
    unsigned bits = reader.Bits(5);
    Rect rect;
    rect.xmin = reader.SignedBits(bits);
    rect.xmax = reader.SignedBits(bits);
    rect.ymin = reader.SignedBits(bits);
    rect.ymax = reader.SignedBits(bits);
    reader.Align();
    return rect;
}

Matrix ReadMatrix(Reader& reader) {
    reader.Align();
    Matrix matrix;
    if (reader.Flag()) {
        matrix.scale = ReadBitPair(reader);
    }
    if (reader.Flag()) {
        matrix.rotateSkew = ReadBitPair(reader);
    }
    std::tie(matrix.translateX, matrix.translateY) = ReadBitPair(reader);
    reader.Align();
    return matrix;
}

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << "(" << rect.xmin << ".." << rect.xmax << ", " << rect.ymin << ".." << rect.ymax
               << ")";
}

std::ostream& operator<<(std::ostream& out, const Matrix& matrix) {
    out << "[";
    if (matrix.scale) {
        out << "scale " << matrix.scale->first << " " << matrix.scale->second << "; ";
    }
    if (matrix.rotateSkew) {
        out << "rotate " << matrix.rotateSkew->first << " " << matrix.rotateSkew->second << "; ";
    }
    return out << "translate " << matrix.translateX << " " << matrix.translateY << "]";
}

} // namespace swf
