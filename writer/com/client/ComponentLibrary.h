#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "writer/com/automation/IUnknown.h"

namespace quillot::com {

// A component library loaded into the process, with its entry points. The
// library stays loaded while this object lives.
class ComponentLibrary {
public:
    // Loads the library at `path`; none and a message when it cannot be
    // loaded or lacks an entry point.
    static std::unique_ptr<ComponentLibrary> Load(const std::filesystem::path& path,
                                                  std::string& error);
    ~ComponentLibrary();
    ComponentLibrary(const ComponentLibrary&) = delete;
    ComponentLibrary& operator=(const ComponentLibrary&) = delete;

    HRESULT GetClassObject(REFCLSID classId, REFIID riid, void** object) const;
    HRESULT CanUnloadNow() const;
    HRESULT RegisterServer() const;
    HRESULT UnregisterServer() const;

private:
    using GetClassObjectFunction = HRESULT (*)(const GUID*, const GUID*, void**);
    using PlainFunction = HRESULT (*)();

    explicit ComponentLibrary(void* handle) : m_handle(handle) {}

    void* m_handle;
    GetClassObjectFunction m_getClassObject = nullptr;
    PlainFunction m_canUnloadNow = nullptr;
    PlainFunction m_registerServer = nullptr;
    PlainFunction m_unregisterServer = nullptr;
};

} // namespace quillot::com
