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
    std::string hex = FormatHex(ComposeBcrValue(cdv, clockSourceIndex));
    if (IsNamedClockSource(clockSourceIndex)) return hex;
    if (hex.size() < kOtherClockHexWidth) hex.insert(0, kOtherClockHexWidth - hex.size(), ' ');
    return "???" + hex;
}

}  // namespace quarvel
