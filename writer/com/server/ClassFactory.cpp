#include "writer/com/server/ClassFactory.h"

#include "writer/com/automation/Identifiers.h"
#include "writer/com/server/ModuleState.h"

namespace quillot::com {

HRESULT ClassFactory::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

std::uint32_t ClassFactory::AddRef() { return m_references.Add(); }

std::uint32_t ClassFactory::Release() {
    const std::uint32_t count = m_references.Remove();
    if (count == 0) {
        delete this;
    }
    return count;
}

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
