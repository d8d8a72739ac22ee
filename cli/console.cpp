#include "cli/console.h"

#include <cstdio>
#include <string>

#include "cli/json_writer.h"

namespace quarvel::cli {

void WriteOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void WriteErr(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

std::string_view CalcErrorName(CalcError error) {
    switch (error) {
        case CalcError::BaudRateZero:
            return "BaudRateZero";
        case CalcError::RcdvTcdvMismatch:
            return "RcdvTcdvMismatch";
        case CalcError::CdvInvalid:
            break;
    }
    return "CdvInvalid";
}

ExitCode ReportCalcError(CalcError error, bool json) {
    WriteErr(std::string(ErrorMessageText(error)) + "\n");
    if (json) {
        JsonObject object;
        object.AddString("error", CalcErrorName(error));
        object.AddString("message", ErrorMessageText(error));
        WriteOut(object.Text() + "\n");
    }
    return kExitCalculationFailed;
}

}  // namespace quarvel::cli
