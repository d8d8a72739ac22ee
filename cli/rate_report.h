#pragma once

// The rate report itself is the calculation library's; the command line adds its JSON form.
#include "calc/rate_report.h"

namespace quarvel::cli {

// The value of FormatPercent with four decimals for JSON, never "-0.0000".
double RoundedForJson(double percent);

}  // namespace quarvel::cli
