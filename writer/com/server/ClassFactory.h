#pragma once

#include "writer/com/automation/IClassFactory.h"
#include "writer/com/server/CachedReferences.h"

namespace quillot::com {

// The class factory of one class of the library.
class ClassFactory final : public IClassFactory {
public:
    using CreateFunction = HRESULT (*)(IUnknown* outer, REFIID riid, void** object);

    explicit ClassFactory(CreateFunction create) : m_create(create) {}

    HRESULT QueryInterface(REFIID riid, void** object) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;

    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT LockServer(std::int32_t lock) override;

private:
    CreateFunction m_create;
    CachedReferences m_references;
};

} // namespace quillot::com
