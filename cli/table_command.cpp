#include <array>
#include <cstdio>
#include <string>

#include "calc/calculator.h"
#include "cli/choices.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/rate_report.h"

namespace quarvel::cli {
namespace {

constexpr std::array kFixedPrescalers = {
    PrescalerChoice::PrescalerX1,
    PrescalerChoice::PrescalerX8,
    PrescalerChoice::PrescalerX16,
    PrescalerChoice::PrescalerX32,
};

struct TableRow {
    std::int32_t baudRate;
    PrescalerChoice prescaler;
    Result<CdvResult> result;
    RateReport report;
};

TableRow CalculateRow(std::string_view clockText, int baudIndex, PrescalerChoice prescaler,
                      int clockSource) {
    const std::int32_t baudRate = *BaudPresetRate(baudIndex);
    TableRow row{baudRate,
                 prescaler,
                 CalculateCdv(clockText, baudIndex, "", prescaler, "", clockSource),
                 {}};
    if (row.result) {
        row.report = ReportRate(ReadNumber(clockText, 10), ReadNumber(row.result->cdvText, 16),
                                *ResolvePrescaler(prescaler, ""), baudRate);
    }
    return row;
}

std::string TextLine(const char* baud, const char* prescaler, const char* cdv, const char* bcr,
                     const char* actual, const char* error) {
    char line[256];
    std::snprintf(line, sizeof line, "%-8s %-9s %-9s %-12s %-11s %s\n", baud, prescaler, cdv, bcr,
                  actual, error);
    return line;
}

std::string RowText(const TableRow& row) {
    const std::string baud = FormatDecimal(row.baudRate);
    const std::string prescaler(PrescalerName(row.prescaler));
    if (!row.result) {
        const std::string failure = "FAILED " + std::string(ErrorMessageText(row.result.error()));
        char line[256];
        std::snprintf(line, sizeof line, "%-8s %-9s %s\n", baud.c_str(), prescaler.c_str(),
                      failure.c_str());
        return line;
    }
    const std::string actual = row.report.actual ? FormatDecimal(*row.report.actual) : "none";
    const std::string error =
        row.report.errorPercent ? FormatPercent(*row.report.errorPercent) : "none";
    return TextLine(baud.c_str(), prescaler.c_str(), row.result->cdvText.c_str(),
                    row.result->bcrText.c_str(), actual.c_str(), error.c_str());
}

std::string RowJson(const TableRow& row) {
    JsonObject object;
    object.AddInteger("baud", row.baudRate).AddString("prescaler", PrescalerName(row.prescaler));
    if (!row.result) {
        object.AddString("error", CalcErrorName(row.result.error()));
        object.AddString("message", ErrorMessageText(row.result.error()));
        return object.Text();
    }
    object.AddString("cdv", row.result->cdvText).AddString("bcr", row.result->bcrText);
    if (row.report.actual) {
        object.AddInteger("actual", *row.report.actual);
    } else {
        object.AddNull("actual");
    }
    if (row.report.errorPercent) {
        object.AddNumber("error_percent", RoundedForJson(*row.report.errorPercent), 4);
    } else {
        object.AddNull("error_percent");
    }
    return object.Text();
}

}  // namespace

ExitCode RunTableCommand(const Arguments& arguments) {
    CheckOptionNames(arguments, {"clock", "source"});
    const std::string_view clockText = RequireOption(arguments, "clock");
    const auto sourceText = FindOption(arguments, "source");
    const int clockSource = sourceText ? ParseClockSource(*sourceText) : 0;

    std::string text = TextLine("BAUD", "PRESCALER", "CDV", "BCR", "ACTUAL", "ERROR");
    std::string rows;
    for (int baudIndex = 0; baudIndex < kBaudPresetCount; ++baudIndex) {
        for (const PrescalerChoice prescaler : kFixedPrescalers) {
            const TableRow row = CalculateRow(clockText, baudIndex, prescaler, clockSource);
            text += RowText(row);
            rows += (rows.empty() ? "" : ",") + RowJson(row);
        }
    }

    if (arguments.json) {
        JsonObject object;
        object.AddString("clock", clockText).AddInteger("clock_hz", ReadNumber(clockText, 10));
        object.AddString("source", ClockSourceName(clockSource));
        object.AddRaw("rows", "[" + rows + "]");
        WriteOut(object.Text() + "\n");
    } else {
        WriteOut(text);
    }
    return kExitSuccess;
}

}  // namespace quarvel::cli
