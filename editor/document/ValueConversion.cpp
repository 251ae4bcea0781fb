#include "editor/document/ValueConversion.h"

#include "editor/document/ConversionError.h"

#include <charconv>

namespace joyvane {

namespace {

enum class Parsed { Number, NotANumber, TooLarge };

std::string_view TrimSpaces(std::string_view text) {
    constexpr std::string_view spaces = " \t\r\n";
    const auto first = text.find_first_not_of(spaces);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

// The whole of `digits` must be the number: "12abc" is not one.
template <typename Number> Parsed ParseWhole(std::string_view digits, int base, Number& value) {
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value, base);
    if (digits.empty() || end != last)
        return Parsed::NotANumber;
    if (error == std::errc::result_out_of_range)
        return Parsed::TooLarge;
    return error == std::errc() ? Parsed::Number : Parsed::NotANumber;
}

// Hexadecimal text stands for a bit pattern, so it may reach 0xFFFFFFFF.
Parsed ParseHexadecimal(std::string_view digits, std::int32_t& value) {
    std::uint64_t pattern = 0;
    Parsed parsed = ParseWhole(digits, 16, pattern);
    if (parsed == Parsed::Number && pattern > UINT32_MAX)
        parsed = Parsed::TooLarge;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
    return parsed;
}

// from_chars takes a leading minus but not a plus; cards written by hand may
// carry either.
Parsed ParseDecimal(std::string_view digits, std::int32_t& value) {
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-')
        digits.remove_prefix(1);
    std::int64_t wide = 0;
    Parsed parsed = ParseWhole(digits, 10, wide);
    if (parsed == Parsed::Number && (wide < INT32_MIN || wide > INT32_MAX))
        parsed = Parsed::TooLarge;
    value = static_cast<std::int32_t>(wide);
    return parsed;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t shownLength = 40;
    if (text.size() > shownLength)
        return "\"" + std::string(text.substr(0, shownLength)) + "...\"";
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::int32_t ToInteger(std::string_view text, const std::string& elementPath) {
    const std::string_view number = TrimSpaces(text);
    if (number.empty())
        throw ConversionError(elementPath, "is empty, but must hold a whole number");
    std::int32_t value = 0;
    const bool hexadecimal = number.front() == '$';
    const Parsed parsed =
        hexadecimal ? ParseHexadecimal(number.substr(1), value) : ParseDecimal(number, value);
    if (parsed == Parsed::TooLarge)
        throw ConversionError(elementPath,
                              "holds " + Quoted(text) + ", which does not fit in 32 bits");
    if (parsed == Parsed::NotANumber)
        throw ConversionError(elementPath, "holds " + Quoted(text) + ", which is not a " +
                                               (hexadecimal ? "hexadecimal" : "whole") + " number");
    return value;
}

std::int32_t ToColour(std::string_view text, const std::string& elementPath) {
    const std::int32_t value = ToInteger(text, elementPath);
    if (value < 0)
        throw ConversionError(elementPath,
                              "holds " + Quoted(text) + ", which is no colour (it is negative)");
    return value;
}

std::string FromInteger(std::int32_t value) {
    return std::to_string(value);
}

} // namespace joyvane
