#include "cli/rate_report.h"

#include <cmath>

namespace quarvel::cli {

double RoundedForJson(double percent) {
    const double rounded = std::round(percent * 10000.0) / 10000.0;
    return rounded == 0.0 ? 0.0 : rounded;
}

}  // namespace quarvel::cli
