#include "calc/calculator.h"
#include "cli/choices.h"
#include "cli/commands.h"
#include "cli/json_writer.h"

namespace quarvel::cli {

ExitCode RunBaudCommand(const Arguments& arguments) {
    CheckOptionNames(arguments, {"clock", "cdv", "prescaler", "mmcrh"});
    const std::string_view clockText = RequireOption(arguments, "clock");
    const std::string_view cdvText = RequireOption(arguments, "cdv");
    const PrescalerChoice prescaler = ParsePrescaler(RequireOption(arguments, "prescaler"));
    const std::string_view mmcrhText = FindOption(arguments, "mmcrh").value_or("");

    const Result<std::string> baudText =
        CalculateBaudRate(clockText, cdvText, prescaler, mmcrhText);
    if (!baudText) return ReportCalcError(baudText.error(), arguments.json);

    if (arguments.json) {
        // The decimal text is already a valid JSON number.
        WriteOut(JsonObject().AddRaw("baud", *baudText).Text() + "\n");
    } else {
        WriteOut("BAUD " + *baudText + "\n");
    }
    return kExitSuccess;
}

}  // namespace quarvel::cli
