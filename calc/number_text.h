#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarvel {

// The form reads a field into a 20-character buffer with its terminating zero, so only this many
// characters of a text take part in a number.
inline constexpr std::size_t kNumberTextLimit = 19;

// Reads a number from a field's text in base 10 or 16 (other bases read the digits below them).
// Never fails: leading white space, one sign, "0x" in base 16, then digits up to the first
// character that is not one; no digits read as 0; values past 4294967295 stay at 4294967295.
// The unsigned 32-bit pattern is returned as a signed number.
std::int32_t ReadNumber(std::string_view text, int base);

// "%d": signed decimal.
std::string FormatDecimal(std::int32_t value);

// "%x": lowercase hex of the 32-bit pattern, no prefix, no leading zeros.
std::string FormatHex(std::int32_t value);

// For callers that compose a longer text around the "%x" digits: how many there are (1 to 8),
// and writing exactly that many to out.
std::size_t HexDigitCount(std::uint32_t value);
void WriteHexDigits(std::uint32_t value, char* out);

}  // namespace quarvel
