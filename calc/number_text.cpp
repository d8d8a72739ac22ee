#include "calc/number_text.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace quarvel {
namespace {

constexpr std::uint32_t kSaturatedValue = std::numeric_limits<std::uint32_t>::max();

// Only 7-bit ASCII counts; a byte at or above 0x80 is neither space, digit nor letter.
bool IsNumberSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The value of a digit or letter, or a value no base accepts for anything else.
int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return std::numeric_limits<int>::max();
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

    std::uint32_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos]);
        if (digit >= base) break;
        // base is below 2^31 and value below 2^32, so the 64-bit step cannot overflow.
        const std::uint64_t next = std::uint64_t{value} * static_cast<std::uint64_t>(base) +
                                   static_cast<std::uint64_t>(digit);
        value = next > kSaturatedValue ? kSaturatedValue : static_cast<std::uint32_t>(next);
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::string FormatDecimal(std::int32_t value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string FormatHex(std::int32_t value) {
    char buffer[16];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint32_t>(value), 16).ptr;
    return std::string(buffer, end);
}

}  // namespace quarvel
