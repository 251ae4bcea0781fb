#pragma once

#include <span>
#include <string_view>

#include "writer/com/server/InterfaceDescription.h"
#include "writer/com/server/TypeInfo.h"

// The library's type library: its three classes, each with one dual
// interface, described in the library itself.
namespace quillot::com::TypeLibrary {

inline constexpr std::string_view kName = "QuillotLib";
inline constexpr std::string_view kHelpString = "Quillot 1.0 Type Library";
inline constexpr std::string_view kVersion = "1.0";

struct ClassDescription {
    GUID classId;
    std::string_view name;       // "swfMovie"
    std::string_view helpString; // "swfMovie Class"
    const InterfaceDescription& (*interface)();
};

std::span<const ClassDescription> Classes();

// The type information of the interface `interfaceId`, made on first use and
// kept until the library is unloaded (callers that hand it out add a
// reference); none for an interface the library does not describe.
TypeInfo* CachedTypeInfo(REFIID interfaceId);

} // namespace quillot::com::TypeLibrary
