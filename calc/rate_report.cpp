#include "calc/rate_report.h"

#include <cmath>
#include <cstdio>

#include "calc/calculations.h"

namespace quarvel {

RateReport ReportRate(std::int32_t clock, std::int32_t cdv, std::int32_t factor,
                      std::int32_t wanted) {
    RateReport report;
    report.wanted = wanted;
    if (const Result<std::int32_t> actual = ComputeBaudRate(clock, cdv, factor)) {
        report.actual = *actual;
        if (wanted != 0) {
            // A report, not a register value: floating point is fine here.
            report.errorPercent = (double(*actual) - double(wanted)) / double(wanted) * 100.0;
        }
    }
    return report;
}

std::string FormatPercent(double percent) {
    if (std::fabs(percent) < 0.005) return "0.00%";
    char text[400];  // room for any finite double in fixed notation
    std::snprintf(text, sizeof text, "%+.2f%%", percent);
    return text;
}

}  // namespace quarvel
