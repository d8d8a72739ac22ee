#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quarvel {

// Positions in the form's clock-source list: "BCLK_in", "TCLK", "SCLK0", "other clock".
inline constexpr int kClockSourceCount = 4;
inline constexpr int kOtherClockIndex = 3;

// Positions in the form's fixed-baud-rate list: ten preset rates, then "OTHER".
inline constexpr int kBaudPresetCount = 10;
inline constexpr int kOtherBaudIndex = 10;

inline constexpr std::array<std::int32_t, kClockSourceCount> kClockPresetFrequencies = {
    3686400,    // BCLK_in
    133000000,  // TCLK
    100000000,  // SCLK0
    0,          // other clock
};

inline constexpr std::array<std::int32_t, kBaudPresetCount> kBaudPresetRates = {
    2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600,
};

// The presets are defined here, not in a source file, so that Calculate CDV inlines them: an
// optional returned across a call costs more than the lookup itself.

// The frequency in Hz that picking a clock source writes into the clock field; no value outside
// 0 to 3.
constexpr std::optional<std::int32_t> ClockPresetFrequency(int clockSourceIndex) {
    if (clockSourceIndex < 0 || clockSourceIndex >= kClockSourceCount) return std::nullopt;
    return kClockPresetFrequencies[static_cast<std::size_t>(clockSourceIndex)];
}

// The rate in bit/s of a baud-list position 0 to 9; "OTHER" (10) and anything else have none.
constexpr std::optional<std::int32_t> BaudPresetRate(int baudIndex) {
    if (baudIndex < 0 || baudIndex >= kBaudPresetCount) return std::nullopt;
    return kBaudPresetRates[static_cast<std::size_t>(baudIndex)];
}

}  // namespace quarvel
