#include "writer/com/server/ClassObjects.h"

#include <new>

#include "writer/com/server/ActionComponent.h"
#include "writer/com/server/ClassFactory.h"
#include "writer/com/server/MovieComponent.h"
#include "writer/com/server/ObjectCache.h"
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

ObjectCache<ClassFactory, std::size(kClasses)>& Factories() {
    static ObjectCache<ClassFactory, std::size(kClasses)> factories;
    return factories;
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
        ClassFactory* factory = Factories().Get(index, [index] {
            return new (std::nothrow) ClassFactory(kClasses[index].create);
        });
        if (factory == nullptr) {
            return E_OUTOFMEMORY;
        }
        return factory->QueryInterface(riid, object);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

} // namespace quillot::com
