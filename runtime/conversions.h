#pragma once

#include "runtime/runtime_error.h"

#include <cstdint>
#include <string>
#include <string_view>

// The program's integer arithmetic and its conversions between text and numbers.
// Every 16-bit operation is checked: a result outside the type's range raises the overflow
// error and stores nothing. The checked operations sit on the curve's per-segment path, so
// they are inline; the test is a compare and a never-taken branch.
namespace vorrelin {

constexpr bool Fits16(std::int32_t value) {
    return value >= INT16_MIN && value <= INT16_MAX;
}

// Raises the overflow error. Out of line, so that the checks on the curve's path stay a compare
// and a branch.
[[noreturn]] void RaiseOverflow();

namespace detail {

constexpr std::int16_t Checked16(std::int32_t value) {
    if (!Fits16(value)) {
        RaiseOverflow();
    }
    return static_cast<std::int16_t>(value);
}

// Rounds to the nearest whole number, a half to the even neighbour. The caller has checked
// that |value| is small enough for a 64-bit integer, so the truncation is exact.
constexpr std::int64_t RoundHalfEven(double value) {
    const auto whole = static_cast<std::int64_t>(value);
    const double fraction = value - static_cast<double>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
        return whole + 1;
    }
    if (fraction < -0.5 || (fraction == -0.5 && whole % 2 != 0)) {
        return whole - 1;
    }
    return whole;
}

} // namespace detail

constexpr std::int16_t Add16(std::int16_t a, std::int16_t b) {
    return detail::Checked16(std::int32_t{a} + b);
}
constexpr std::int16_t Subtract16(std::int16_t a, std::int16_t b) {
    return detail::Checked16(std::int32_t{a} - b);
}
constexpr std::int16_t Multiply16(std::int16_t a, std::int16_t b) {
    return detail::Checked16(std::int32_t{a} * b);
}
constexpr std::int16_t Negate16(std::int16_t a) {
    return Subtract16(0, a);
}

// A double to a 16-bit integer: nearest, ties to even; the overflow error outside the range
// (NaN included). -32768.5 rounds to the even -32768 and so still fits; 32767.5 does not.
constexpr std::int16_t RoundToInt16(double value) {
    if (!(value >= INT16_MIN - 0.5 && value < INT16_MAX + 0.5)) {
        RaiseOverflow();
    }
    return static_cast<std::int16_t>(detail::RoundHalfEven(value));
}

// The same into 32 bits, for the timer's interval.
constexpr std::int32_t RoundToInt32(double value) {
    if (!(value >= INT32_MIN - 0.5 && value < INT32_MAX + 0.5)) {
        RaiseOverflow();
    }
    return static_cast<std::int32_t>(detail::RoundHalfEven(value));
}

// An integer's decimal text: digits with a minus sign if negative, no blank, no leading zeros.
std::string DecimalText(std::int64_t value);

// The number a text begins with, as a person reading the field would take it: leading blanks
// are skipped, then the longest prefix of the form [sign] digits [. digits] [exponent] is read
// (".5" and "5." count; the exponent is e, E, d or D with an optional sign and at least one
// digit). Full-width digits, signs and point count as their ASCII twins. A text without such a
// prefix gives 0. Never depends on the process locale; never yields an infinity or NaN: a
// number beyond the double range raises the overflow error, one too small to represent is 0.
double NumericPrefix(std::string_view text);

} // namespace vorrelin
