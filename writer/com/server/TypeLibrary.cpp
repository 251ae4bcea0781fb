#include "writer/com/server/TypeLibrary.h"

#include <array>
#include <memory>
#include <mutex>

#include "writer/com/automation/Identifiers.h"
#include "writer/com/server/ModuleState.h"

namespace quillot::com::TypeLibrary {

namespace {

constexpr ClassDescription kClasses[] = {
    {CLSID_swfMovie, "swfMovie", "swfMovie Class", &IswfMovieDescription},
    {CLSID_swfObject, "swfObject", "swfObject Class", &IswfObjectDescription},
    {CLSID_swfAction, "swfAction", "swfAction Class", &IswfActionDescription},
};

// One cached type information per class's interface; the cache's reference
// goes when the library is unloaded.
struct Cache {
    std::mutex mutex;
    std::array<std::unique_ptr<TypeInfo, ReleaseCachedObject>, std::size(kClasses)> entries;
};

Cache& TheCache() {
    ModuleState::Instance();
    static Cache cache;
    return cache;
}

} // namespace

std::span<const ClassDescription> Classes() { return kClasses; }

TypeInfo* CachedTypeInfo(REFIID interfaceId) {
    for (std::size_t index = 0; index < std::size(kClasses); ++index) {
        const InterfaceDescription& description = kClasses[index].interface();
        if (description.id != interfaceId) {
            continue;
        }
        Cache& cache = TheCache();
        std::lock_guard lock(cache.mutex);
        if (!cache.entries[index]) {
            cache.entries[index].reset(new TypeInfo(description));
        }
        return cache.entries[index].get();
    }
    return nullptr;
}

} // namespace quillot::com::TypeLibrary
