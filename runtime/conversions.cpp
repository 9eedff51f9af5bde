#include "runtime/conversions.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fast_float/fast_float.h>

namespace vorrelin {

void RaiseOverflow() {
    throw RuntimeError::Overflow();
}

std::string DecimalText(std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return {digits, result.ptr};
}

namespace {

// Reads the number a text begins with, one character at a time. Each character is mapped to
// its ASCII twin first, so that full-width digits, signs and point, as a Japanese input method
// types them, read like the ASCII ones.
class PrefixReader {
public:
    explicit PrefixReader(std::string_view text) : text_(text) {}

    // The ASCII twin of the character at the reading position, or 0 for any other character.
    char Peek() const {
        char ascii = 0;
        Measure(ascii);
        return ascii;
    }
    void Advance() {
        char ascii = 0;
        position_ += Measure(ascii);
    }
    bool Take(char wanted) {
        if (Peek() != wanted) {
            return false;
        }
        Advance();
        return true;
    }
    bool AtDigit() const { return Peek() >= '0' && Peek() <= '9'; }

private:
    // The length in bytes of the character at the reading position; sets its ASCII twin.
    std::size_t Measure(char& ascii) const {
        const std::string_view rest = text_.substr(position_);
        if (rest.empty()) {
            return 0;
        }
        const auto lead = static_cast<unsigned char>(rest[0]);
        if (lead < 0x80) {
            ascii = static_cast<char>(lead);
            return 1;
        }
        if (rest.size() >= 3) {
            const auto b1 = static_cast<unsigned char>(rest[1]);
            const auto b2 = static_cast<unsigned char>(rest[2]);
            if (lead == 0xEF && b1 == 0xBC && b2 >= 0x90 && b2 <= 0x99) { // U+FF10..FF19
                ascii = static_cast<char>('0' + (b2 - 0x90));
                return 3;
            }
            if (lead == 0xEF && b1 == 0xBC && (b2 == 0x8B || b2 == 0x8D || b2 == 0x8E)) {
                ascii = b2 == 0x8B ? '+' : b2 == 0x8D ? '-' : '.'; // U+FF0B, U+FF0D, U+FF0E
                return 3;
            }
            if (lead == 0xE3 && b1 == 0x80 && b2 == 0x80) { // U+3000, the ideographic space
                ascii = ' ';
                return 3;
            }
        }
        return 1;
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Appends the digits at the reading position to `out` and returns how many there were.
std::size_t ReadDigits(PrefixReader& reader, std::string& out) {
    std::size_t count = 0;
    for (; reader.AtDigit(); reader.Advance(), ++count) {
        out += reader.Peek();
    }
    return count;
}

} // namespace

double NumericPrefix(std::string_view text) {
    PrefixReader reader(text);
    while (IsBlank(reader.Peek())) {
        reader.Advance();
    }

    // The number is copied as plain ASCII, which fast_float then converts exactly (the nearest
    // double) and without regard to the locale, as std::from_chars would where the standard
    // library has it for doubles. Only a sign, digits, a point and an exponent ever reach it, so
    // it never sees "inf", "nan" or a hexadecimal float: an infinity can only be an overflow.
    std::string number;
    if (reader.Take('-')) {
        number += '-';
    } else {
        reader.Take('+');
    }
    const std::size_t digits = ReadDigits(reader, number);
    std::size_t fraction = 0;
    if (reader.Take('.')) {
        number += '.';
        fraction = ReadDigits(reader, number);
    }
    if (digits == 0 && fraction == 0) {
        return 0.0;
    }

    const char marker = reader.Peek();
    if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
        reader.Advance();
        std::string exponent = "e";
        if (reader.Take('-')) {
            exponent += '-';
        } else {
            reader.Take('+');
        }
        if (ReadDigits(reader, exponent) > 0) {
            number += exponent;
        }
    }

    double value = 0.0;
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    if (std::isinf(value)) {
        throw RuntimeError::Overflow();
    }
    return value;
}

} // namespace vorrelin
