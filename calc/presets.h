#pragma once

#include <cstdint>
#include <optional>

namespace quarvel {

// Positions in the form's clock-source list: "BCLK_in", "TCLK", "SCLK0", "other clock".
inline constexpr int kClockSourceCount = 4;
inline constexpr int kOtherClockIndex = 3;

// Positions in the form's fixed-baud-rate list: ten preset rates, then "OTHER".
inline constexpr int kBaudPresetCount = 10;
inline constexpr int kOtherBaudIndex = 10;

// The frequency in Hz that picking a clock source writes into the clock field; no value outside
// 0 to 3.
std::optional<std::int32_t> ClockPresetFrequency(int clockSourceIndex);

// The rate in bit/s of a baud-list position 0 to 9; "OTHER" (10) and anything else have none.
std::optional<std::int32_t> BaudPresetRate(int baudIndex);

}  // namespace quarvel
