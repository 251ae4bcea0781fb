#include "writer/interactive/ButtonRecord.h"

#include <algorithm>

namespace quillot {

namespace {

constexpr std::uint16_t kPlaceDepth = 1;
// The transform's bit count has 4 bits, so terms must fit 15 signed bits.
// Colour channels end up between 0 and 255, so an add term beyond ±255 shows
// exactly as ±255 does: clamping there changes nothing on screen.
constexpr std::int32_t kLargestAddTerm = 255;

void WriteColorTransform(TagBuffer& out, const std::optional<ColorAddTerms>& addTerms) {
    if (!addTerms) {
        out.WriteBits(0, 2);    // no add terms, no multiply terms
        out.WriteBits(1, 4);    // with one bit per (absent) term
        out.Align();
        return;
    }
    ColorAddTerms terms = *addTerms;
    for (std::int32_t& term : terms) {
        term = std::clamp(term, -kLargestAddTerm, kLargestAddTerm);
    }
    const int bits = SignedBitsFor({terms[0], terms[1], terms[2], terms[3]});
    out.WriteBits(1, 1); // add terms
    out.WriteBits(0, 1); // no multiply terms
    out.WriteBits(static_cast<std::uint32_t>(bits), 4);
    for (std::int32_t term : terms) {
        out.WriteSignedBits(term, bits);
    }
    out.Align();
}

} // namespace

void WriteButtonRecord(TagBuffer& out, const ButtonRecord& record) {
    out.WriteU8(record.state);
    out.WriteU16(record.characterId);
    out.WriteU16(kPlaceDepth);
    WriteMatrix(out, record.matrix);
    WriteColorTransform(out, record.addTerms);
}

} // namespace quillot
