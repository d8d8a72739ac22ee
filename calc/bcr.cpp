#include "calc/bcr.h"

#include "calc/number_text.h"
#include "calc/presets.h"

namespace quarvel {
namespace {

// "%4x" would pad with spaces on the left; the "other clock" value always has at least five hex
// digits, so the padding is there only for completeness.
constexpr std::size_t kOtherClockHexWidth = 4;

bool IsNamedClockSource(int clockSourceIndex) {
    return clockSourceIndex >= 0 && clockSourceIndex < kOtherClockIndex;
}

}  // namespace

std::uint32_t ClockSelectCode(int clockSourceIndex) {
    switch (clockSourceIndex) {
        case 0:
            return 0;
        case 1:
            return 8;
        case 2:
            return 2;
        default:
            return 3;
    }
}

std::int32_t ComposeBcrValue(std::int32_t cdv, int clockSourceIndex) {
    const std::uint32_t fields = (ClockSelectCode(clockSourceIndex) << kBcrSelectShift) | kBcrBit16;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(cdv) | fields);
}

std::string ComposeBcrText(std::int32_t cdv, int clockSourceIndex) {
    const auto value = static_cast<std::uint32_t>(ComposeBcrValue(cdv, clockSourceIndex));
    if (IsNamedClockSource(clockSourceIndex)) return FormatHex(static_cast<std::int32_t>(value));

    const std::size_t digits = HexDigitCount(value);
    const std::size_t padding = digits < kOtherClockHexWidth ? kOtherClockHexWidth - digits : 0;
    std::string text = "???";
    text.append(padding, ' ');
    text.append(digits, '0');
    WriteHexDigits(value, text.data() + 3 + padding);
    return text;
}

}  // namespace quarvel
