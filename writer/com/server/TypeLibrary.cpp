#include "writer/com/server/TypeLibrary.h"

#include "writer/com/automation/Identifiers.h"
#include "writer/com/server/ObjectCache.h"

namespace quillot::com::TypeLibrary {

namespace {

constexpr ClassDescription kClasses[] = {
    {CLSID_swfMovie, "swfMovie", "swfMovie Class", &IswfMovieDescription},
    {CLSID_swfObject, "swfObject", "swfObject Class", &IswfObjectDescription},
    {CLSID_swfAction, "swfAction", "swfAction Class", &IswfActionDescription},
};

// One cached type information per class's interface.
ObjectCache<TypeInfo, std::size(kClasses)>& TypeInfos() {
    static ObjectCache<TypeInfo, std::size(kClasses)> typeInfos;
    return typeInfos;
}

} // namespace

std::span<const ClassDescription> Classes() { return kClasses; }

TypeInfo* CachedTypeInfo(REFIID interfaceId) {
    for (std::size_t index = 0; index < std::size(kClasses); ++index) {
        const InterfaceDescription& description = kClasses[index].interface();
        if (description.id != interfaceId) {
            continue;
        }
        return TypeInfos().Get(index, [&description] { return new TypeInfo(description); });
    }
    return nullptr;
}

} // namespace quillot::com::TypeLibrary
