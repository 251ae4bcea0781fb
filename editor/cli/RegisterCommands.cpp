// joyvane-cli register / unregister: enters the writer library beside the
// program into the user's registration store, or takes it out again. The
// library is loaded as any automation client loads it, so this also proves
// that it can be.
#include "editor/cli/Command.h"

#include <filesystem>
#include <iomanip>
#include <ostream>
#include <system_error>

#include "writer/com/client/ComponentLibrary.h"
#include "writer/com/registry/RegistrationStore.h"

namespace cli {

namespace {

std::filesystem::path LibraryBesideProgram() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return program.parent_path() / "libquillot.so";
}

using EntryPoint = quillot::HRESULT (quillot::com::ComponentLibrary::*)() const;

int RunEntryPoint(CommandContext& context, EntryPoint entryPoint, const char* done) {
    if (!context.arguments.empty()) {
        context.error << "joyvane-cli: this command takes no arguments\n";
        return ExitUsage;
    }
    const std::filesystem::path path = LibraryBesideProgram();
    std::string error;
    auto library = quillot::com::ComponentLibrary::Load(path, error);
    if (!library) {
        context.error << "joyvane-cli: " << error << "\n";
        return ExitFailure;
    }
    const quillot::HRESULT result = ((*library).*entryPoint)();
    const auto store = quillot::com::RegistrationStore::DefaultPath();
    if (quillot::Failed(result)) {
        context.error << "joyvane-cli: " << path.string() << " could not change the registration store "
                      << store.string() << " (error 0x" << std::hex << std::setw(8)
                      << std::setfill('0') << static_cast<std::uint32_t>(result) << ")\n";
        return ExitFailure;
    }
    context.out << path.string() << " " << done << " " << store.string() << "\n";
    return ExitSuccess;
}

} // namespace

int RunRegister(CommandContext& context) {
    return RunEntryPoint(context, &quillot::com::ComponentLibrary::RegisterServer, "registered in");
}

int RunUnregister(CommandContext& context) {
    return RunEntryPoint(context, &quillot::com::ComponentLibrary::UnregisterServer,
                         "unregistered from");
}

} // namespace cli
