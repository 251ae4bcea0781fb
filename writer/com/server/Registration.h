#pragma once

#include <filesystem>

#include "writer/com/automation/ResultCodes.h"

namespace quillot::com {

// Writes the entries of the library's classes and its type library, with
// `libraryPath` as the file that serves them, into the user's registration
// store: for each class its programmatic identifiers ("Quillot.swfMovie" with
// its current version "Quillot.swfMovie.1") and its class key with ProgID,
// VersionIndependentProgID, Programmable, InprocServer32 and TypeLib. A class
// key is written anew; other registrations in the store stay as they are.
// SELFREG_E_CLASS when the store cannot be read or written.
HRESULT RegisterServer(const std::filesystem::path& libraryPath);

// Removes what RegisterServer wrote.
HRESULT UnregisterServer();

} // namespace quillot::com
