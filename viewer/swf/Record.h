#pragma once

// Every decoded tag record. A later decoder adds its header here and its type
// to the variant (and one line to the table in TagDecoders.cpp).
#include "viewer/swf/Bitmap.h"
#include "viewer/swf/Button.h"
#include "viewer/swf/ControlTags.h"
#include "viewer/swf/DoAction.h"
#include "viewer/swf/EditText.h"
#include "viewer/swf/Font.h"
#include "viewer/swf/PlaceObject2.h"
#include "viewer/swf/Shape.h"
#include "viewer/swf/Sound.h"
#include "viewer/swf/Text.h"

#include <iosfwd>
#include <variant>

namespace swf {

using Record = std::variant<UnknownTag, End, ShowFrame, SetBackgroundColor, RemoveObject,
                            PlaceObject2, DoAction, DefineShape3, DefineFont, DefineFontInfo, DefineText2,
                            DefineBitsJpeg2, DefineSound, SoundStreamHead, StartSound,
                            DefineEditText, DefineButton2>;

std::ostream& operator<<(std::ostream& out, const Record& record);

} // namespace swf
