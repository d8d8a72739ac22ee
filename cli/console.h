#pragma once

#include <string_view>

#include "calc/calc_error.h"

namespace quarvel::cli {

// What the process hands back to its caller.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitCalculationFailed = 1,
    kExitUsage = 2,
    kExitCheckFailed = 3,
};

void WriteOut(std::string_view text);
void WriteErr(std::string_view text);

// The name of a failure in JSON output: "BaudRateZero", "RcdvTcdvMismatch", "CdvInvalid".
std::string_view CalcErrorName(CalcError error);

// The failure's message on stderr and, for --json, its JSON object on stdout.
ExitCode ReportCalcError(CalcError error, bool json);

}  // namespace quarvel::cli
