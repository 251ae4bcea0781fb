#pragma once

#include "writer/com/automation/IClassFactory.h"
#include "writer/com/server/CachedObject.h"

namespace quillot::com {

// The class factory of one class of the library.
class ClassFactory final : public CachedObject<IClassFactory, IID_IClassFactory> {
public:
    using CreateFunction = HRESULT (*)(IUnknown* outer, REFIID riid, void** object);

    explicit ClassFactory(CreateFunction create) : m_create(create) {}

    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT LockServer(std::int32_t lock) override;

private:
    CreateFunction m_create;
};

} // namespace quillot::com
