#include "writer/com/client/ComponentLibrary.h"

#include <dlfcn.h>

namespace quillot::com {

namespace {

template <class Function> Function Symbol(void* handle, const char* name) {
    return reinterpret_cast<Function>(dlsym(handle, name));
}

} // namespace

std::unique_ptr<ComponentLibrary> ComponentLibrary::Load(const std::filesystem::path& path,
                                                         std::string& error) {
    // Each library keeps its own symbols, so two libraries (or the program
    // itself) may define the same names without mixing them up.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        error = "cannot load " + path.string() + ": " + (reason ? reason : "unknown reason");
        return nullptr;
    }
    std::unique_ptr<ComponentLibrary> library(new ComponentLibrary(handle));
    library->m_getClassObject = Symbol<GetClassObjectFunction>(handle, "DllGetClassObject");
    library->m_canUnloadNow = Symbol<PlainFunction>(handle, "DllCanUnloadNow");
    library->m_registerServer = Symbol<PlainFunction>(handle, "DllRegisterServer");
    library->m_unregisterServer = Symbol<PlainFunction>(handle, "DllUnregisterServer");
    if (!library->m_getClassObject || !library->m_canUnloadNow || !library->m_registerServer ||
        !library->m_unregisterServer) {
        error = path.string() + " is not a component library: an entry point is missing";
        return nullptr;
    }
    return library;
}

ComponentLibrary::~ComponentLibrary() { dlclose(m_handle); }

HRESULT ComponentLibrary::GetClassObject(REFCLSID classId, REFIID riid, void** object) const {
    return m_getClassObject(&classId, &riid, object);
}

HRESULT ComponentLibrary::CanUnloadNow() const { return m_canUnloadNow(); }

HRESULT ComponentLibrary::RegisterServer() const { return m_registerServer(); }

HRESULT ComponentLibrary::UnregisterServer() const { return m_unregisterServer(); }

} // namespace quillot::com
