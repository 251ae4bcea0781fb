#include "writer/com/server/ClassObjects.h"

#include <array>
#include <memory>
#include <mutex>

#include "writer/com/server/ActionComponent.h"
#include "writer/com/server/ClassFactory.h"
#include "writer/com/server/ModuleState.h"
#include "writer/com/server/MovieComponent.h"
#include "writer/com/server/ObjectComponent.h"

namespace quillot::com {

namespace {

struct CreatableClass {
    const GUID& classId;
    ClassFactory::CreateFunction create;
};

const CreatableClass kClasses[] = {
    {CLSID_swfMovie, &MovieComponent::Create},
    {CLSID_swfObject, &ObjectComponent::Create},
    {CLSID_swfAction, &ActionComponent::Create},
};

struct FactoryCache {
    std::mutex mutex;
    std::array<std::unique_ptr<ClassFactory, ReleaseCachedObject>, std::size(kClasses)> factories;
};

FactoryCache& TheCache() {
    ModuleState::Instance();
    static FactoryCache cache;
    return cache;
}

} // namespace

HRESULT GetClassObject(REFCLSID classId, REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    for (std::size_t index = 0; index < std::size(kClasses); ++index) {
        if (kClasses[index].classId != classId) {
            continue;
        }
        FactoryCache& cache = TheCache();
        std::lock_guard lock(cache.mutex);
        auto& factory = cache.factories[index];
        if (!factory) {
            factory.reset(new (std::nothrow) ClassFactory(kClasses[index].create));
            if (!factory) {
                return E_OUTOFMEMORY;
            }
        }
        return factory->QueryInterface(riid, object);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

} // namespace quillot::com
