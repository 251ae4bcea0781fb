#pragma once

#include <string_view>

#include "writer/com/automation/IUnknown.h"

// Creating objects by programmatic identifier, as automation clients do.
namespace quillot::com {

// Looks `progId` ("Quillot.swfMovie") up in the user's registration store,
// loads the library that serves its class (once per process), asks it for
// the class factory and creates an object, queried for `riid`.
// CO_E_CLASSSTRING for an identifier the store does not know,
// REGDB_E_CLASSNOTREG for a class without a library, CO_E_DLLNOTFOUND or
// CO_E_ERRORINDLL when the library cannot be loaded.
HRESULT CreateObject(std::string_view progId, REFIID riid, void** object);

// Unloads the libraries loaded by CreateObject that have no live objects
// left and no locks.
void FreeUnusedLibraries();

} // namespace quillot::com
