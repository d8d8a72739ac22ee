#pragma once

#include <string_view>

#include "calc/prescaler.h"

namespace quarvel::cli {

// x1, x8, x16, x32 or mmcrh; throws UsageError otherwise.
PrescalerChoice ParsePrescaler(std::string_view text);
std::string_view PrescalerName(PrescalerChoice choice);

// The clock-source list position 0 to 3, or an item's text ("BCLK_in", "TCLK", "SCLK0",
// "other clock"; any letter case). Throws UsageError otherwise.
int ParseClockSource(std::string_view text);
std::string_view ClockSourceName(int clockSourceIndex);

// The baud-list position 0 to 10, or an item's text ("2400" ... "921600", "OTHER"). A whole number
// 0 to 10 is always the position; an item's text counts only when it is not one. Throws
// UsageError otherwise.
int ParseBaudIndex(std::string_view text);

// The name of a BCR clock-select code (bits 18 up), or an empty view for codes without one.
std::string_view ClockSelectCodeName(unsigned code);

}  // namespace quarvel::cli
