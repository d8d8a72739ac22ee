#include "calc/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>

namespace quarvel {
namespace {

constexpr std::uint32_t kSaturatedValue = std::numeric_limits<std::uint32_t>::max();
// Any value above the saturated one stands for it; clamping to this keeps a 64-bit accumulator
// from overflowing for any base below 2^31.
constexpr std::uint64_t kPastSaturated = std::uint64_t{kSaturatedValue} + 1;

// Only 7-bit ASCII counts; a byte at or above 0x80 is neither space, digit nor letter.
bool IsNumberSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The value of a digit or letter, or one no base accepts for anything else.
unsigned DigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned>(c - 'A' + 10);
    return std::numeric_limits<unsigned>::max();
}

// Fast digit values for the two bases the form uses; anything not below the base ends a number.
unsigned DecimalDigitValue(char c) {
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
}

unsigned HexDigitValue(char c) {
    const unsigned decimal = DecimalDigitValue(c);
    if (decimal < 10) return decimal;
    const unsigned letter = (static_cast<unsigned>(static_cast<unsigned char>(c)) | 0x20u) - 'a';
    return letter < 6 ? letter + 10 : std::numeric_limits<unsigned>::max();
}

std::uint32_t Saturate(std::uint64_t value) {
    return value > kSaturatedValue ? kSaturatedValue : static_cast<std::uint32_t>(value);
}

// Nineteen decimal digits stay below 2^64, so base 10 needs no clamping inside the loop.
std::uint32_t ReadDecimalDigits(std::string_view digits) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        const unsigned digit = DecimalDigitValue(c);
        if (digit >= 10) break;
        value = value * 10 + digit;
    }
    return Saturate(value);
}

std::uint32_t ReadHexDigits(std::string_view digits) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        const unsigned digit = HexDigitValue(c);
        if (digit >= 16) break;
        value = std::min(value * 16 + digit, kPastSaturated);
    }
    return Saturate(value);
}

std::uint32_t ReadDigitsInBase(std::string_view digits, int base) {
    if (base <= 0) return 0;
    const auto unsignedBase = static_cast<unsigned>(base);
    std::uint64_t value = 0;
    for (const char c : digits) {
        const unsigned digit = DigitValue(c);
        if (digit >= unsignedBase) break;
        value = std::min(value * unsignedBase + digit, kPastSaturated);
    }
    return Saturate(value);
}

}  // namespace

std::int32_t ReadNumber(std::string_view text, int base) {
    text = text.substr(0, kNumberTextLimit);
    std::size_t pos = 0;
    while (pos < text.size() && IsNumberSpace(text[pos])) ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (base == 16 && text.size() - pos >= 2 && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        pos += 2;
    }

    const std::string_view digits = text.substr(pos);
    std::uint32_t value = base == 10   ? ReadDecimalDigits(digits)
                          : base == 16 ? ReadHexDigits(digits)
                                       : ReadDigitsInBase(digits, base);
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::string FormatDecimal(std::int32_t value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::size_t HexDigitCount(std::uint32_t value) {
    return value == 0 ? 1 : (static_cast<std::size_t>(std::bit_width(value)) + 3) / 4;
}

void WriteHexDigits(std::uint32_t value, char* out) {
    for (std::size_t i = HexDigitCount(value); i > 0; --i) {
        out[i - 1] = "0123456789abcdef"[value & 0xfu];
        value >>= 4;
    }
}

// The digits go straight into the string: building them in a buffer and copying costs more
// than the formatting.
std::string FormatHex(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string text(HexDigitCount(bits), '0');
    WriteHexDigits(bits, text.data());
    return text;
}

}  // namespace quarvel
