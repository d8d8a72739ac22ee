#include <charconv>
#include <cmath>
#include <string>

#include "calc/calculator.h"
#include "cli/choices.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/rate_report.h"
#include "cli/usage_error.h"

namespace quarvel::cli {
namespace {

// The --check limit in percent: a finite number not below zero, with or without a "%".
double ParseCheckLimit(std::string_view text) {
    std::string_view number = text;
    if (number.ends_with('%')) number.remove_suffix(1);
    double limit = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), limit);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        !std::isfinite(limit) || limit < 0) {
        throw UsageError("--check needs a percentage of 0 or more, not \"" + std::string(text) +
                         "\"");
    }
    return limit;
}

bool WithinLimit(const RateReport& report, double limit) {
    return report.errorPercent && std::fabs(*report.errorPercent) <= limit;
}

void PrintText(const CdvResult& result, const RateReport& report) {
    std::string text = "CDV " + result.cdvText + "\nBCR " + result.bcrText + "\n";
    if (report.actual) {
        text += "ACTUAL " + FormatDecimal(*report.actual) + "\n";
    } else {
        text += "ACTUAL none\n";
    }
    text += "ERROR " + (report.errorPercent ? FormatPercent(*report.errorPercent) : "none") + "\n";
    WriteOut(text);
}

void PrintJson(const CdvResult& result, const RateReport& report) {
    JsonObject object;
    object.AddString("cdv", result.cdvText).AddString("bcr", result.bcrText);
    object.AddInteger("wanted", report.wanted);
    if (report.actual) {
        object.AddInteger("actual", *report.actual);
    } else {
        object.AddNull("actual");
    }
    if (report.errorPercent) {
        object.AddNumber("error_percent", RoundedForJson(*report.errorPercent), 4);
    } else {
        object.AddNull("error_percent");
    }
    WriteOut(object.Text() + "\n");
}

}  // namespace

ExitCode RunCdvCommand(const Arguments& arguments) {
    CheckOptionNames(arguments,
                     {"clock", "baud-index", "baud", "prescaler", "mmcrh", "source", "check"});
    const std::string_view clockText = RequireOption(arguments, "clock");
    const int baudIndex = ParseBaudIndex(RequireOption(arguments, "baud-index"));
    const std::string_view baudText = FindOption(arguments, "baud").value_or("");
    const PrescalerChoice prescaler = ParsePrescaler(RequireOption(arguments, "prescaler"));
    const std::string_view mmcrhText = FindOption(arguments, "mmcrh").value_or("");
    const int clockSource = ParseClockSource(RequireOption(arguments, "source"));
    const auto checkText = FindOption(arguments, "check");
    const double limit = checkText ? ParseCheckLimit(*checkText) : 0.0;

    const Result<CdvResult> result =
        CalculateCdv(clockText, baudIndex, baudText, prescaler, mmcrhText, clockSource);
    if (!result) return ReportCalcError(result.error(), arguments.json);

    // The calculation succeeded, so the prescaler resolved and the CDV text reads back exactly.
    const RateReport report =
        ReportRate(ReadNumber(clockText, 10), ReadNumber(result->cdvText, 16),
                   *ResolvePrescaler(prescaler, mmcrhText), ChosenBaudRate(baudIndex, baudText));
    if (arguments.json) {
        PrintJson(*result, report);
    } else {
        PrintText(*result, report);
    }

    if (checkText && !WithinLimit(report, limit)) {
        const std::string error =
            report.errorPercent ? FormatPercent(*report.errorPercent) : std::string("unknown");
        WriteErr("quarvel-calc: rate error " + error + " exceeds --check " +
                 std::string(*checkText) + "\n");
        return kExitCheckFailed;
    }
    return kExitSuccess;
}

}  // namespace quarvel::cli
