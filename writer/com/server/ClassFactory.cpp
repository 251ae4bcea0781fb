#include "writer/com/server/ClassFactory.h"

#include "writer/com/server/ModuleState.h"

namespace quillot::com {

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
    return m_create(outer, riid, object);
}

HRESULT ClassFactory::LockServer(std::int32_t lock) {
    if (lock) {
        ModuleState::Instance().Lock();
    } else {
        ModuleState::Instance().Unlock();
    }
    return S_OK;
}

} // namespace quillot::com
