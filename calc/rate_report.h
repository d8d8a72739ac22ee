#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quarvel {

// How close the CDV found comes to the wanted rate: what the command line prints after a CDV and
// the window shows beside it.
struct RateReport {
    std::int32_t wanted = 0;
    // The rate that CDV gives, by the same integer rule as the baud-rate calculation; none when
    // that rule meets a zero divisor.
    std::optional<std::int32_t> actual;
    // (actual - wanted) / wanted in percent; none without an actual rate or with a wanted rate 0.
    std::optional<double> errorPercent;
};

RateReport ReportRate(std::int32_t clock, std::int32_t cdv, std::int32_t factor,
                      std::int32_t wanted);

// "0.00%", "+0.22%", "-3.55%": two decimals, signed unless it rounds to zero.
std::string FormatPercent(double percent);

}  // namespace quarvel
