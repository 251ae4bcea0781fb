#include "ServerLibrary.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <dlfcn.h>
#include <unistd.h>

#include "writer/com/automation/IClassFactory.h"
#include "writer/com/automation/Identifiers.h"

using namespace quillot::com;

ServerLibrary::ServerLibrary() {
    char folder[] = "/tmp/quillot-com-test-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        throw std::runtime_error("no temporary folder");
    }
    m_configFolder = folder;
    if (const char* home = std::getenv("XDG_CONFIG_HOME")) {
        m_hadConfigHome = true;
        m_savedConfigHome = home;
    }
    setenv("XDG_CONFIG_HOME", folder, 1);
    std::string error;
    m_library = ComponentLibrary::Load(Path(), error);
    if (!m_library) {
        throw std::runtime_error(error);
    }
}

ServerLibrary::~ServerLibrary() {
    std::filesystem::remove_all(m_configFolder);
    if (m_hadConfigHome) {
        setenv("XDG_CONFIG_HOME", m_savedConfigHome.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

std::filesystem::path ServerLibrary::Path() {
    return std::filesystem::path(JOYVANE_BIN_DIR) / "libquillot.so";
}

DispatchObject ServerLibrary::Create(const GUID& classId) const {
    IClassFactory* factory = nullptr;
    if (quillot::Failed(m_library->GetClassObject(classId, IID_IClassFactory,
                                         reinterpret_cast<void**>(&factory)))) {
        return DispatchObject();
    }
    IDispatch* object = nullptr;
    factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&object));
    factory->Release();
    return DispatchObject(object);
}

#ifdef __SANITIZE_ADDRESS__
extern "C" void __asan_init();

std::string PythonCommand() {
    Dl_info runtime{};
    dladdr(reinterpret_cast<void*>(&__asan_init), &runtime);
    return std::string("LD_PRELOAD='") + runtime.dli_fname +
           "' ASAN_OPTIONS=detect_leaks=0 PYTHONPATH='" JOYVANE_BIN_DIR "/python' python3";
}
#else
std::string PythonCommand() { return "PYTHONPATH='" JOYVANE_BIN_DIR "/python' python3"; }
#endif

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
