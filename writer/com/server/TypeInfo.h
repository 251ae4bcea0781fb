#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "writer/com/automation/ITypeInfo.h"
#include "writer/com/server/CachedObject.h"
#include "writer/com/server/InterfaceDescription.h"

namespace quillot::com {

// The type information of one interface, built from its description: names
// and help texts for clients that look, and late binding for every object
// that implements the interface.
class TypeInfo final : public CachedObject<ITypeInfo, IID_ITypeInfo> {
public:
    explicit TypeInfo(const InterfaceDescription& description);

    HRESULT GetTypeAttr(TYPEATTR* attributes) override;
    HRESULT GetFuncDesc(std::uint32_t index, FUNCDESC* description) override;
    HRESULT GetIDsOfNames(const char* const* names, std::uint32_t count, DISPID* ids) override;
    HRESULT Invoke(void* instance, DISPID member, std::uint16_t flags, DISPPARAMS* params,
                   VARIANT* result, std::uint32_t* argumentError) override;

private:
    // An operation with the texts its description leaves to be made.
    struct Function {
        const OperationDescription* operation;
        std::string name;
        std::string helpString;
        std::vector<std::string> argumentNames;
        std::vector<const char*> argumentNamePointers;
    };
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view left, std::string_view right) const;
    };

    const Function* Find(DISPID member, std::uint16_t flags) const;
    DISPID ArgumentId(DISPID member, std::string_view name) const;

    const InterfaceDescription& m_description;
    std::string m_name;
    std::string m_helpString;
    std::vector<Function> m_functions;
    std::unordered_map<std::string, DISPID, NameHash, NameEqual> m_ids;
};

} // namespace quillot::com
