#pragma once

#include <cstdint>
#include <string>

namespace quarvel {

// The BCR keeps bit 16 set; the clock-source select code stands from bit 18 upward.
inline constexpr std::uint32_t kBcrBit16 = 0x10000;
inline constexpr int kBcrSelectShift = 18;

// The select code of a clock-source index: 0 BCLK_in, 8 TCLK, 2 SCLK0, 3 other clock. Any index
// outside 0 to 3 selects as "other clock" does.
std::uint32_t ClockSelectCode(int clockSourceIndex);

// CDV OR bit 16 OR the select code. CDV is not masked, so a large or negative CDV overlaps the
// upper fields.
std::int32_t ComposeBcrValue(std::int32_t cdv, int clockSourceIndex);

// "%x" of the BCR value for sources 0 to 2; "???" and "%4x" of it for "other clock" and for any
// index outside 0 to 3.
std::string ComposeBcrText(std::int32_t cdv, int clockSourceIndex);

}  // namespace quarvel
