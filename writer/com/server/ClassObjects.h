#pragma once

#include "writer/com/automation/IUnknown.h"

namespace quillot::com {

// The class factory of `classId`, made on first request and kept until the
// library is unloaded, queried for `riid`. CLASS_E_CLASSNOTAVAILABLE for a
// class the library does not serve.
HRESULT GetClassObject(REFCLSID classId, REFIID riid, void** object);

} // namespace quillot::com
