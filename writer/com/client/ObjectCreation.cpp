#include "writer/com/client/ObjectCreation.h"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "writer/com/automation/IClassFactory.h"
#include "writer/com/automation/Identifiers.h"
#include "writer/com/client/ComponentLibrary.h"
#include "writer/com/registry/RegistrationStore.h"

namespace quillot::com {

namespace {

// The libraries loaded so far, by path. A library stays loaded while any of
// its objects may live; only FreeUnusedLibraries lets one go.
struct LoadedLibraries {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<ComponentLibrary>> byPath;
};

LoadedLibraries& Loaded() {
    static LoadedLibraries libraries;
    return libraries;
}

HRESULT LibraryFor(const std::string& path, ComponentLibrary*& library) {
    LoadedLibraries& loaded = Loaded();
    std::lock_guard lock(loaded.mutex);
    auto& entry = loaded.byPath[path];
    if (!entry) {
        std::string error;
        entry = ComponentLibrary::Load(path, error);
        if (!entry) {
            loaded.byPath.erase(path);
            std::error_code code;
            return std::filesystem::exists(path, code) ? CO_E_ERRORINDLL : CO_E_DLLNOTFOUND;
        }
    }
    library = entry.get();
    return S_OK;
}

} // namespace

HRESULT CreateObject(std::string_view progId, REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    std::string error;
    const auto store = RegistrationStore::Load(RegistrationStore::DefaultPath(), error);
    const auto classText = store ? store->Value(std::string(progId) + "\\CLSID") : std::nullopt;
    const auto classId = classText ? ParseGuid(*classText) : std::nullopt;
    if (!classId) {
        return CO_E_CLASSSTRING;
    }
    const auto path = store->Value("CLSID\\" + ToString(*classId) + "\\InprocServer32");
    if (!path || path->empty()) {
        return REGDB_E_CLASSNOTREG;
    }
    ComponentLibrary* library = nullptr;
    if (const HRESULT status = LibraryFor(*path, library); Failed(status)) {
        return status;
    }
    IClassFactory* factory = nullptr;
    HRESULT status = library->GetClassObject(*classId, IID_IClassFactory,
                                             reinterpret_cast<void**>(&factory));
    if (Failed(status)) {
        return status;
    }
    status = factory->CreateInstance(nullptr, riid, object);
    factory->Release();
    return status;
}

void FreeUnusedLibraries() {
    LoadedLibraries& loaded = Loaded();
    std::lock_guard lock(loaded.mutex);
    std::erase_if(loaded.byPath,
                  [](const auto& entry) { return entry.second->CanUnloadNow() == S_OK; });
}

} // namespace quillot::com
