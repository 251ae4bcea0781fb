#include "writer/com/server/Registration.h"

#include <string>

#include "writer/com/automation/Identifiers.h"
#include "writer/com/registry/RegistrationStore.h"
#include "writer/com/server/TypeLibrary.h"

namespace quillot::com {

namespace {

constexpr std::string_view kProgIdPrefix = "Quillot.";
constexpr std::string_view kVersionSuffix = ".1";

std::string VersionIndependentProgId(const TypeLibrary::ClassDescription& description) {
    return std::string(kProgIdPrefix) + std::string(description.name);
}

std::string ClassKey(const TypeLibrary::ClassDescription& description) {
    return "CLSID\\" + ToString(description.classId);
}

std::string TypeLibraryKey() {
    return "TypeLib\\" + ToString(LIBID_QuillotLib) + "\\" + std::string(TypeLibrary::kVersion);
}

bool WriteClass(RegistrationStore& store, const TypeLibrary::ClassDescription& description,
                const std::string& libraryPath) {
    const std::string classId = ToString(description.classId);
    const std::string progId = VersionIndependentProgId(description);
    const std::string versionedProgId = progId + std::string(kVersionSuffix);
    const std::string classKey = ClassKey(description);
    store.DeleteTree(classKey);
    return store.SetValue(versionedProgId, "", description.helpString) &&
           store.SetValue(versionedProgId + "\\CLSID", "", classId) &&
           store.SetValue(progId, "", description.helpString) &&
           store.SetValue(progId + "\\CLSID", "", classId) &&
           store.SetValue(progId + "\\CurVer", "", versionedProgId) &&
           store.SetValue(classKey, "", description.helpString) &&
           store.SetValue(classKey + "\\ProgID", "", versionedProgId) &&
           store.SetValue(classKey + "\\VersionIndependentProgID", "", progId) &&
           store.CreateKey(classKey + "\\Programmable") &&
           store.SetValue(classKey + "\\InprocServer32", "", libraryPath) &&
           store.SetValue(classKey + "\\InprocServer32", "ThreadingModel", "Apartment") &&
           store.SetValue(classKey + "\\TypeLib", "", ToString(LIBID_QuillotLib));
}

bool WriteTypeLibrary(RegistrationStore& store, const std::filesystem::path& libraryPath) {
    const std::string key = TypeLibraryKey();
    store.DeleteTree(key);
    return store.SetValue(key, "", TypeLibrary::kHelpString) &&
           store.SetValue(key + "\\0\\linux64", "", libraryPath.string()) &&
           store.SetValue(key + "\\FLAGS", "", "0") &&
           store.SetValue(key + "\\HELPDIR", "", libraryPath.parent_path().string());
}

// Loads the store, lets `change` edit it and saves it.
template <class Change> HRESULT EditStore(Change change) {
    std::string error;
    std::optional<RegistrationStore> store =
        RegistrationStore::Load(RegistrationStore::DefaultPath(), error);
    if (!store || !change(*store) || !store->Save(error)) {
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

} // namespace

HRESULT RegisterServer(const std::filesystem::path& libraryPath) {
    if (libraryPath.empty() || RegistrationStore::DefaultPath().empty()) {
        return SELFREG_E_CLASS;
    }
    return EditStore([&libraryPath](RegistrationStore& store) {
        for (const auto& description : TypeLibrary::Classes()) {
            if (!WriteClass(store, description, libraryPath.string())) {
                return false;
            }
        }
        return WriteTypeLibrary(store, libraryPath);
    });
}

HRESULT UnregisterServer() {
    if (RegistrationStore::DefaultPath().empty()) {
        return SELFREG_E_CLASS;
    }
    return EditStore([](RegistrationStore& store) {
        for (const auto& description : TypeLibrary::Classes()) {
            const std::string progId = VersionIndependentProgId(description);
            store.DeleteTree(progId + std::string(kVersionSuffix));
            store.DeleteTree(progId);
            store.DeleteTree(ClassKey(description));
        }
        store.DeleteTree(TypeLibraryKey());
        return true;
    });
}

} // namespace quillot::com
