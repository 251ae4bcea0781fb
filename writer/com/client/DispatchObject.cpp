#include "writer/com/client/DispatchObject.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "writer/com/automation/Identifiers.h"
#include "writer/com/client/ObjectCreation.h"

namespace quillot::com {

HRESULT DispatchObject::Create(std::string_view progId, DispatchObject& object) {
    IDispatch* created = nullptr;
    const HRESULT status = CreateObject(progId, IID_IDispatch, reinterpret_cast<void**>(&created));
    if (Succeeded(status)) {
        object = DispatchObject(created);
    }
    return status;
}

DispatchObject::~DispatchObject() {
    if (m_object != nullptr) {
        m_object->Release();
    }
}

DispatchObject::DispatchObject(DispatchObject&& other) noexcept
    : m_object(std::exchange(other.m_object, nullptr)), m_ids(std::move(other.m_ids)) {}

DispatchObject& DispatchObject::operator=(DispatchObject&& other) noexcept {
    if (this != &other) {
        if (m_object != nullptr) {
            m_object->Release();
        }
        m_object = std::exchange(other.m_object, nullptr);
        m_ids = std::move(other.m_ids);
    }
    return *this;
}

HRESULT DispatchObject::IdOf(std::string_view name, DISPID& id) {
    const std::string key(name);
    if (const auto found = m_ids.find(key); found != m_ids.end()) {
        id = found->second;
        return S_OK;
    }
    const char* names[] = {key.c_str()};
    const HRESULT status = m_object->GetIDsOfNames(names, 1, &id);
    if (Succeeded(status)) {
        m_ids.emplace(key, id);
    }
    return status;
}

HRESULT DispatchObject::Invoke(std::string_view name, std::uint16_t flags, DISPPARAMS& params,
                               AutomationValue* result, std::uint32_t* argumentError) {
    if (m_object == nullptr) {
        return E_POINTER;
    }
    DISPID id = DISPID_UNKNOWN;
    if (const HRESULT status = IdOf(name, id); Failed(status)) {
        return status;
    }
    std::uint32_t reversedError = 0;
    const HRESULT status = m_object->Invoke(id, flags, &params, result ? result->Receive() : nullptr,
                                            &reversedError);
    if (argumentError != nullptr && params.cArgs > 0) {
        *argumentError = params.cArgs - 1 - reversedError;
    }
    return status;
}

HRESULT DispatchObject::Call(std::string_view name, std::initializer_list<AutomationValue> arguments,
                             AutomationValue* result, std::uint32_t* argumentError) {
    // The callee takes the arguments last first; the copies borrow from
    // `arguments`, which own what they hold.
    std::vector<VARIANT> reversed;
    reversed.reserve(arguments.size());
    std::for_each(std::rbegin(arguments), std::rend(arguments),
                  [&reversed](const AutomationValue& value) { reversed.push_back(value.Variant()); });
    DISPPARAMS params{reversed.data(), nullptr, static_cast<std::uint32_t>(reversed.size()), 0};
    return Invoke(name, DISPATCH_METHOD, params, result, argumentError);
}

HRESULT DispatchObject::Get(std::string_view name, AutomationValue& result) {
    DISPPARAMS params{nullptr, nullptr, 0, 0};
    return Invoke(name, DISPATCH_PROPERTYGET, params, &result, nullptr);
}

HRESULT DispatchObject::Put(std::string_view name, const AutomationValue& value) {
    VARIANT argument = value.Variant();
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &named, 1, 1};
    return Invoke(name, DISPATCH_PROPERTYPUT, params, nullptr, nullptr);
}

} // namespace quillot::com
