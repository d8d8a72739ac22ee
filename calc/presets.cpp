#include "calc/presets.h"

#include <array>

namespace quarvel {
namespace {

constexpr std::array<std::int32_t, kClockSourceCount> kClockPresets = {
    3686400,    // BCLK_in
    133000000,  // TCLK
    100000000,  // SCLK0
    0,          // other clock
};

constexpr std::array<std::int32_t, kBaudPresetCount> kBaudPresets = {
    2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600,
};

}  // namespace

std::optional<std::int32_t> ClockPresetFrequency(int clockSourceIndex) {
    if (clockSourceIndex < 0 || clockSourceIndex >= kClockSourceCount) return std::nullopt;
    return kClockPresets[static_cast<std::size_t>(clockSourceIndex)];
}

std::optional<std::int32_t> BaudPresetRate(int baudIndex) {
    if (baudIndex < 0 || baudIndex >= kBaudPresetCount) return std::nullopt;
    return kBaudPresets[static_cast<std::size_t>(baudIndex)];
}

}  // namespace quarvel
