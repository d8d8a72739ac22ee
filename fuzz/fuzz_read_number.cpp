// ReadNumber against a second reading of the same rule, built from different parts: the digit
// run is found by its alphabet and converted by std::from_chars. Also checks that the two output
// formats agree with printf and read back.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "fuzz_check.h"

namespace {

constexpr std::string_view kDigitsAndLetters = "0123456789abcdefghijklmnopqrstuvwxyz";

std::string DigitAlphabet(int base) {
    std::string alphabet(kDigitsAndLetters.substr(0, static_cast<std::size_t>(base)));
    for (int i = 10; i < base; ++i) alphabet += static_cast<char>('A' + (i - 10));
    return alphabet;
}

std::uint32_t OracleReadNumber(std::string_view text, int base) {
    if (text.size() > 19) text = text.substr(0, 19);
    std::size_t pos = text.find_first_not_of(" \t\n\v\f\r");
    if (pos == std::string_view::npos) return 0;

    const bool negative = text[pos] == '-';
    if (text[pos] == '-' || text[pos] == '+') ++pos;
    const std::string_view rest = text.substr(pos);
    if (base == 16 && (rest.starts_with("0x") || rest.starts_with("0X"))) pos += 2;

    const std::size_t end = std::min(text.find_first_not_of(DigitAlphabet(base), pos), text.size());
    std::uint64_t value = 0;
    if (end > pos) {
        const auto [ptr, error] =
            std::from_chars(text.data() + pos, text.data() + end, value, base);
        if (error == std::errc::result_out_of_range || value > 0xffffffffull) value = 0xffffffffull;
        FUZZ_CHECK(error == std::errc::result_out_of_range || ptr == text.data() + end);
    }
    const std::uint64_t modulus = 0x100000000ull;
    return static_cast<std::uint32_t>(negative ? (modulus - value) % modulus : value);
}

int ChooseBase(std::uint8_t selector) {
    if ((selector & 0x80) == 0) return (selector & 1) != 0 ? 16 : 10;
    return 2 + selector % 35;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int base = ChooseBase(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::int32_t value = quarvel::ReadNumber(text, base);
    FUZZ_CHECK(static_cast<std::uint32_t>(value) == OracleReadNumber(text, base));

    char printed[32];
    std::snprintf(printed, sizeof printed, "%d", value);
    FUZZ_CHECK(quarvel::FormatDecimal(value) == printed);
    FUZZ_CHECK(quarvel::ReadNumber(printed, 10) == value);
    std::snprintf(printed, sizeof printed, "%x", static_cast<unsigned>(value));
    FUZZ_CHECK(quarvel::FormatHex(value) == printed);
    FUZZ_CHECK(quarvel::ReadNumber(printed, 16) == value);
    return 0;
}
