#include "viewer/swf/TagDecoders.h"

#include "viewer/swf/TagNames.h"

namespace swf {

namespace {

template <auto ReadFunction> Record Decode(Reader& body) {
    return ReadFunction(body);
}

struct DecoderEntry {
    uint16_t code;
    TagDecoder decode;
};

// One line per decoded tag kind.
constexpr DecoderEntry Decoders[] = {
    {TagCode::End, Decode<ReadEnd>},
    {TagCode::ShowFrame, Decode<ReadShowFrame>},
    {TagCode::RemoveObject, Decode<ReadRemoveObject>},
    {TagCode::SetBackgroundColor, Decode<ReadSetBackgroundColor>},
    {TagCode::DoAction, Decode<ReadDoAction>},
    {TagCode::PlaceObject2, Decode<ReadPlaceObject2>},
    {TagCode::DefineShape3, Decode<ReadDefineShape3>},
    {TagCode::DefineFont, Decode<ReadDefineFont>},
    {TagCode::DefineFontInfo, Decode<ReadDefineFontInfo>},
    {TagCode::DefineText2, Decode<ReadDefineText2>},
    {TagCode::DefineBitsJpeg2, Decode<ReadDefineBitsJpeg2>},
    {TagCode::DefineSound, Decode<ReadDefineSound>},
    {TagCode::SoundStreamHead, Decode<ReadSoundStreamHead>},
    {TagCode::StartSound, Decode<ReadStartSound>},
    {TagCode::DefineEditText, Decode<ReadDefineEditText>},
    {TagCode::DefineButton2, Decode<ReadDefineButton2>},
};

} // namespace

TagDecoder FindTagDecoder(uint16_t code) {
    for (const DecoderEntry& entry : Decoders) {
        if (entry.code == code) {
            return entry.decode;
        }
    }
    return nullptr;
}

} // namespace swf
