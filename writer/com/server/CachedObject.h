#pragma once

#include "writer/com/automation/Identifiers.h"
#include "writer/com/server/CachedReferences.h"

namespace quillot::com {

// IUnknown for an object the library keeps in a cache: it answers IUnknown
// and `InterfaceId`, and a client's reference keeps the library loaded.
template <class Interface, const GUID& InterfaceId> class CachedObject : public Interface {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (riid == IID_IUnknown || riid == InterfaceId) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return m_references.Add(); }
    std::uint32_t Release() override {
        const std::uint32_t count = m_references.Remove();
        if (count == 0) {
            delete this;
        }
        return count;
    }

protected:
    virtual ~CachedObject() = default;

private:
    CachedReferences m_references;
};

} // namespace quillot::com
