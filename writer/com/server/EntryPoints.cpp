// The functions the library exports with C linkage: the four entry points of
// an in-process component server, and the string and variant helpers that
// clients in other languages need to free what the library hands them.
#include <dlfcn.h>

#include <exception>
#include <filesystem>
#include <system_error>

#include "writer/com/automation/AutomationString.h"
#include "writer/com/automation/Variant.h"
#include "writer/com/server/ClassObjects.h"
#include "writer/com/server/ModuleState.h"
#include "writer/com/server/Registration.h"

using namespace quillot;
using namespace quillot::com;

namespace {

// The full path of this library's own file, found from one of its functions.
std::filesystem::path LibraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&LibraryPath), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    std::error_code error;
    std::filesystem::path path = std::filesystem::canonical(info.dli_fname, error);
    return error ? std::filesystem::path{} : path;
}

} // namespace

extern "C" {

HRESULT DllGetClassObject(const GUID* rclsid, const GUID* riid, void** ppv) {
    if (ppv == nullptr || rclsid == nullptr || riid == nullptr) {
        return E_POINTER;
    }
    return GetClassObject(*rclsid, *riid, ppv);
}

HRESULT DllCanUnloadNow() { return ModuleState::Instance().CanUnload() ? S_OK : S_FALSE; }

HRESULT DllRegisterServer() {
    try {
        return RegisterServer(LibraryPath());
    } catch (const std::exception&) {
        return SELFREG_E_CLASS;
    }
}

HRESULT DllUnregisterServer() {
    try {
        return UnregisterServer();
    } catch (const std::exception&) {
        return SELFREG_E_CLASS;
    }
}

BSTR QuillotAllocString(const char* text, std::uint32_t length) {
    return AllocString(text ? std::string_view(text, length) : std::string_view{});
}

std::uint32_t QuillotStringLength(const char* text) {
    return static_cast<std::uint32_t>(StringView(text).size());
}

void QuillotFreeString(BSTR text) { FreeString(text); }

void QuillotVariantClear(VARIANT* variant) {
    if (variant != nullptr) {
        VariantClear(*variant);
    }
}

} // extern "C"
