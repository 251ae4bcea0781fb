#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>

#include "writer/com/automation/IDispatch.h"
#include "writer/com/client/AutomationValue.h"

namespace quillot::com {

// A reference to an automation object, called by the names of its
// operations: `movie.Call("SetSize", {7800, 6400})`. The DISPID of each name
// is asked for once and then kept, since a generation calls the same few
// operations thousands of times.
class DispatchObject {
public:
    DispatchObject() = default;
    // Takes over the reference `object` carries.
    explicit DispatchObject(IDispatch* object) : m_object(object) {}
    // Creates an object by programmatic identifier; see CreateObject.
    static HRESULT Create(std::string_view progId, DispatchObject& object);
    ~DispatchObject();
    DispatchObject(DispatchObject&& other) noexcept;
    DispatchObject& operator=(DispatchObject&& other) noexcept;
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    // Calls the method `name` with `arguments` in their natural order; its
    // value, if any, goes to `result`. On a bad argument, `argumentError`
    // (when given) gets the argument's position, counted from 0.
    HRESULT Call(std::string_view name, std::initializer_list<AutomationValue> arguments = {},
                 AutomationValue* result = nullptr, std::uint32_t* argumentError = nullptr);
    HRESULT Get(std::string_view name, AutomationValue& result);
    HRESULT Put(std::string_view name, const AutomationValue& value);

    // The object, for passing it as an argument; the reference stays here.
    IDispatch* Object() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    HRESULT IdOf(std::string_view name, DISPID& id);
    HRESULT Invoke(std::string_view name, std::uint16_t flags, DISPPARAMS& params,
                   AutomationValue* result, std::uint32_t* argumentError);

    IDispatch* m_object = nullptr;
    std::unordered_map<std::string, DISPID> m_ids;
};

} // namespace quillot::com
