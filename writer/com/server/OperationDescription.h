#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>

#include "writer/com/automation/AutomationConversion.h"
#include "writer/com/automation/Variant.h"

namespace quillot::com {

// Calls one operation of an interface on `instance` with `arguments` in call
// order (first argument first). On a bad argument, `badArgument` gets its
// position.
using OperationInvoker = HRESULT (*)(void* instance, const VARIANT* arguments, VARIANT* result,
                                     std::uint32_t& badArgument);

// One row of an interface description: what late binding and the type
// information know about an operation. Argument types, the result and the
// call come from the operation's C++ signature, so they cannot drift apart.
struct OperationDescription {
    DISPID id;
    std::uint16_t kind; // one of the DispatchFlags
    std::string_view name;
    std::string_view argumentNames; // separated by spaces
    std::span<const VARTYPE> argumentTypes;
    VARTYPE resultType;
    OperationInvoker invoke;
};

// How each parameter type of the interfaces crosses: its variant type, how
// an argument becomes it (through the one conversion helper) and, for the
// pointer parameters that carry a result out, how the result becomes a
// variant.
template <class T> struct Parameter;

template <class T, VARTYPE Type, HRESULT (*Convert)(const VARIANT&, T&)> struct InParameter {
    static constexpr VARTYPE type = Type;
    static constexpr bool isResult = false;
    using Storage = T;
    static HRESULT Read(const VARIANT& argument, T& value) { return Convert(argument, value); }
    static T Pass(T value) { return value; }
};

template <class T, VARTYPE Type> struct ResultParameter {
    static constexpr VARTYPE type = Type;
    static constexpr bool isResult = true;
    using Storage = T;
    static HRESULT Read(const VARIANT&, T&) { return S_OK; }
    static T* Pass(T& value) { return &value; }
};

template <> struct Parameter<std::int32_t> : InParameter<std::int32_t, VT_I4, ToInt32> {};
template <> struct Parameter<std::int16_t> : InParameter<std::int16_t, VT_I2, ToInt16> {};
template <> struct Parameter<std::uint8_t> : InParameter<std::uint8_t, VT_UI1, ToByte> {};
template <> struct Parameter<BSTR> : InParameter<BSTR, VT_BSTR, ToString> {};
template <> struct Parameter<IUnknown*> : InParameter<IUnknown*, VT_UNKNOWN, ToUnknown> {};

template <> struct Parameter<std::int16_t*> : ResultParameter<std::int16_t, VT_I2> {
    static VARIANT Result(std::int16_t value) {
        VARIANT variant = EmptyVariant();
        variant.vt = VT_I2;
        variant.iVal = value;
        return variant;
    }
};
template <> struct Parameter<std::int32_t*> : ResultParameter<std::int32_t, VT_I4> {
    static VARIANT Result(std::int32_t value) { return Int32Variant(value); }
};
template <> struct Parameter<BSTR*> : ResultParameter<BSTR, VT_BSTR> {
    static VARIANT Result(BSTR value) {
        VARIANT variant = EmptyVariant();
        variant.vt = VT_BSTR;
        variant.bstrVal = value;
        return variant;
    }
};
template <> struct Parameter<VARIANT*> : ResultParameter<VARIANT, VT_VARIANT> {
    static VARIANT Result(VARIANT value) { return value; }
};

template <auto Method> struct Operation;

template <class Interface, class... Parameters, HRESULT (Interface::*Method)(Parameters...)>
struct Operation<Method> {
    static constexpr std::size_t kCount = sizeof...(Parameters);
    static constexpr std::array<VARTYPE, kCount> kTypes{Parameter<Parameters>::type...};
    static constexpr bool kHasResult = ((Parameter<Parameters>::isResult) || ... || false);
    static constexpr std::size_t kArgumentCount = kCount - (kHasResult ? 1 : 0);

    static HRESULT Invoke(void* instance, const VARIANT* arguments, VARIANT* result,
                          std::uint32_t& badArgument) {
        return InvokeWith(static_cast<Interface*>(instance), arguments, result, badArgument,
                          std::index_sequence_for<Parameters...>{});
    }

private:
    template <std::size_t... Index>
    static HRESULT InvokeWith(Interface* instance, [[maybe_unused]] const VARIANT* arguments,
                              [[maybe_unused]] VARIANT* result,
                              [[maybe_unused]] std::uint32_t& badArgument,
                              std::index_sequence<Index...>) {
        std::tuple<typename Parameter<Parameters>::Storage...> values{};
        HRESULT status = S_OK;
        const bool read = ((status = ReadArgument<Parameters>(arguments, Index, std::get<Index>(values)),
                            badArgument = static_cast<std::uint32_t>(Index), Succeeded(status)) &&
                           ...);
        if (!read) {
            return status;
        }
        status = (instance->*Method)(Parameter<Parameters>::Pass(std::get<Index>(values))...);
        if constexpr (kHasResult) {
            using Last = std::tuple_element_t<kCount - 1, std::tuple<Parameters...>>;
            VARIANT value = Parameter<Last>::Result(std::get<kCount - 1>(values));
            if (result != nullptr) {
                *result = value;
            } else {
                VariantClear(value);
            }
        }
        return status;
    }

    template <class P, class Storage>
    static HRESULT ReadArgument(const VARIANT* arguments, std::size_t index, Storage& value) {
        if constexpr (Parameter<P>::isResult) {
            return S_OK;
        } else {
            return Parameter<P>::Read(arguments[index], value);
        }
    }
};

constexpr std::size_t CountWords(std::string_view text) {
    std::size_t count = 0;
    bool inWord = false;
    for (char c : text) {
        count += (c != ' ' && !inWord) ? 1 : 0;
        inWord = c != ' ';
    }
    return count;
}

// One row of a description table. A list of argument names that does not
// match the operation's arguments stops the build.
template <auto Method>
consteval OperationDescription Describe(DISPID id, std::string_view name,
                                        std::string_view argumentNames,
                                        std::uint16_t kind = DISPATCH_METHOD) {
    using Op = Operation<Method>;
    if (CountWords(argumentNames) != Op::kArgumentCount) {
        throw "the argument names do not match the operation";
    }
    return {id,
            kind,
            name,
            argumentNames,
            std::span<const VARTYPE>(Op::kTypes.data(), Op::kArgumentCount),
            Op::kHasResult ? Op::kTypes[Op::kCount - 1] : VARTYPE{VT_EMPTY},
            &Op::Invoke};
}

} // namespace quillot::com
