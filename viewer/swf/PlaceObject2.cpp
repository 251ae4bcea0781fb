#include "viewer/swf/PlaceObject2.h"

#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

PlaceObject2 ReadPlaceObject2(Reader& body) {
    // Flags, most significant bit first.
    bool hasClipActions = body.Flag();
    bool hasClipDepth = body.Flag();
    bool hasName = body.Flag();
    bool hasRatio = body.Flag();
    bool hasColorTransform = body.Flag();
    bool hasMatrix = body.Flag();
    bool hasCharacter = body.Flag();
    PlaceObject2 tag;
    tag.move = body.Flag();
    tag.depth = body.U16();
    if (hasCharacter) {
        tag.characterId = body.U16();
    }
    if (hasMatrix) {
        tag.matrix = ReadMatrix(body);
    }
    if (hasColorTransform) {
        tag.colorTransform = ReadColorTransformWithAlpha(body);
    }
    if (hasRatio) {
        tag.ratio = body.U16();
    }
    if (hasName) {
        tag.name = body.String();
    }
    if (hasClipDepth) {
        tag.clipDepth = body.U16();
    }
    if (hasClipActions) {
        body.Fail("PlaceObject2 with clip actions, which are for sprites and not supported");
    }
    return tag;
}

std::ostream& operator<<(std::ostream& out, const PlaceObject2& tag) {
    out << "PlaceObject2 depth " << tag.depth;
    if (tag.characterId) {
        out << " character " << *tag.characterId;
    }
    if (tag.move) {
        out << " move";
    }
    if (tag.matrix) {
        out << " matrix " << *tag.matrix;
    }
    if (tag.colorTransform) {
        out << " colour " << *tag.colorTransform;
    }
    if (tag.ratio) {
        out << " ratio " << *tag.ratio;
    }
    if (tag.name) {
        out << " name \"" << *tag.name << "\"";
    }
    if (tag.clipDepth) {
        out << " clip depth " << *tag.clipDepth;
    }
    return out;
}

} // namespace swf
