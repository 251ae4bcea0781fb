#include "writer/com/server/TypeInfo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <exception>
#include <new>
#include <sstream>

namespace quillot::com {

namespace {

// The most arguments any operation takes (MakeButtonSimple).
constexpr std::size_t kMaxArguments = 9;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::vector<std::string> SplitWords(std::string_view text) {
    std::istringstream stream{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// Calls the operation; an exception from the writer must not cross into a
// client that may not even be written in C++.
HRESULT Guarded(const OperationDescription& operation, void* instance, const VARIANT* arguments,
                VARIANT* result, std::uint32_t& badArgument) {
    try {
        return operation.invoke(instance, arguments, result, badArgument);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_FAIL;
    }
}

} // namespace

std::size_t TypeInfo::NameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(Lower(c))) * 1099511628211ull;
    }
    return hash;
}

bool TypeInfo::NameEqual::operator()(std::string_view left, std::string_view right) const {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

TypeInfo::TypeInfo(const InterfaceDescription& description)
    : m_description(description), m_name(description.name),
      m_helpString(description.helpString) {
    m_functions.reserve(description.operations.size());
    for (const OperationDescription& operation : description.operations) {
        Function& function = m_functions.emplace_back();
        function.operation = &operation;
        function.name = operation.name;
        const bool isProperty = operation.kind != DISPATCH_METHOD;
        function.helpString = (isProperty ? "property " : "method ") + function.name;
        // The names stay where they are, since the vector was reserved.
        function.argumentNames = SplitWords(operation.argumentNames);
        for (const std::string& name : function.argumentNames) {
            function.argumentNamePointers.push_back(name.c_str());
        }
        m_ids.emplace(function.name, operation.id);
    }
}

HRESULT TypeInfo::GetTypeAttr(TYPEATTR* attributes) {
    if (attributes == nullptr) {
        return E_POINTER;
    }
    *attributes = {m_description.id, static_cast<std::uint16_t>(m_functions.size()), 1, 0,
                   m_name.c_str(), m_helpString.c_str()};
    return S_OK;
}

HRESULT TypeInfo::GetFuncDesc(std::uint32_t index, FUNCDESC* description) {
    if (description == nullptr) {
        return E_POINTER;
    }
    if (index >= m_functions.size()) {
        return TYPE_E_ELEMENTNOTFOUND;
    }
    const Function& function = m_functions[index];
    const OperationDescription& operation = *function.operation;
    *description = {operation.id,
                    operation.kind,
                    static_cast<std::uint16_t>(operation.argumentTypes.size()),
                    operation.resultType,
                    operation.argumentTypes.data(),
                    function.argumentNamePointers.data(),
                    function.name.c_str(),
                    function.helpString.c_str()};
    return S_OK;
}

DISPID TypeInfo::ArgumentId(DISPID member, std::string_view name) const {
    for (const Function& function : m_functions) {
        if (function.operation->id != member) {
            continue;
        }
        for (std::size_t index = 0; index < function.argumentNames.size(); ++index) {
            if (NameEqual{}(function.argumentNames[index], name)) {
                return static_cast<DISPID>(index);
            }
        }
    }
    return DISPID_UNKNOWN;
}

// The first name is the operation's, the others name its arguments, which
// get their positions as identifiers.
HRESULT TypeInfo::GetIDsOfNames(const char* const* names, std::uint32_t count, DISPID* ids) {
    if (names == nullptr || ids == nullptr || count == 0) {
        return count == 0 ? S_OK : E_POINTER;
    }
    const auto found = names[0] ? m_ids.find(std::string_view(names[0])) : m_ids.end();
    ids[0] = found == m_ids.end() ? DISPID_UNKNOWN : found->second;
    for (std::uint32_t index = 1; index < count; ++index) {
        ids[index] = names[index] ? ArgumentId(ids[0], names[index]) : DISPID_UNKNOWN;
    }
    const bool allKnown =
        std::none_of(ids, ids + count, [](DISPID id) { return id == DISPID_UNKNOWN; });
    return allKnown ? S_OK : DISP_E_UNKNOWNNAME;
}

// A call for a value may carry the method flag and a method call the
// property-get flag, as clients send both when they cannot tell.
const TypeInfo::Function* TypeInfo::Find(DISPID member, std::uint16_t flags) const {
    for (const Function& function : m_functions) {
        if (function.operation->id == member && (function.operation->kind & flags) != 0) {
            return &function;
        }
    }
    return nullptr;
}

HRESULT TypeInfo::Invoke(void* instance, DISPID member, std::uint16_t flags, DISPPARAMS* params,
                         VARIANT* result, std::uint32_t* argumentError) {
    if (result != nullptr) {
        *result = EmptyVariant();
    }
    const Function* function = Find(member, flags);
    if (instance == nullptr || function == nullptr) {
        return instance == nullptr ? E_POINTER : DISP_E_MEMBERNOTFOUND;
    }
    const OperationDescription& operation = *function->operation;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const DISPPARAMS& given = params ? *params : none;
    const bool namedValue = given.cNamedArgs == 1 && operation.kind == DISPATCH_PROPERTYPUT &&
                            given.rgdispidNamedArgs && given.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
    if (given.cNamedArgs != 0 && !namedValue) {
        return DISP_E_NONAMEDARGS;
    }
    std::array<VARIANT, kMaxArguments> arguments{};
    if (given.cArgs != operation.argumentTypes.size() || given.cArgs > arguments.size() ||
        (given.cArgs > 0 && !given.rgvarg)) {
        return DISP_E_BADPARAMCOUNT;
    }
    // The caller passes the arguments last first; the operation takes them
    // first first. The copies borrow what the caller's variants hold.
    std::reverse_copy(given.rgvarg, given.rgvarg + given.cArgs, arguments.begin());
    std::uint32_t badArgument = 0;
    const HRESULT status = Guarded(operation, instance, arguments.data(), result, badArgument);
    if ((status == DISP_E_TYPEMISMATCH || status == DISP_E_OVERFLOW) && argumentError) {
        *argumentError = given.cArgs - 1 - badArgument;
    }
    return status;
}

} // namespace quillot::com
