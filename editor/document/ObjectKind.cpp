#include "editor/document/ObjectKind.h"

namespace joyvane {

std::string_view KindWord(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Text:
        return "Text";
    case ObjectKind::Pic:
        return "Pic";
    case ObjectKind::Sound:
        return "Sound";
    }
    return {};
}

std::optional<ObjectKind> KindOfWord(std::string_view word) {
    for (ObjectKind kind : {ObjectKind::Text, ObjectKind::Pic, ObjectKind::Sound})
        if (word == KindWord(kind))
            return kind;
    return std::nullopt;
}

std::string_view MediaExtension(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Pic:
        return ".jpg";
    case ObjectKind::Sound:
        return ".wav";
    case ObjectKind::Text:
        break;
    }
    return {};
}

} // namespace joyvane
