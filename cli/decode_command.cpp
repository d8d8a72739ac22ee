#include <string>

#include "calc/calculator.h"
#include "cli/choices.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/usage_error.h"

namespace quarvel::cli {
namespace {

// The calculator writes "???" before the BCR of "other clock"; such a text decodes as well.
std::int32_t ReadBcrText(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start != std::string_view::npos && text.substr(start).starts_with("???")) {
        text.remove_prefix(start + 3);
    }
    return ReadNumber(text, 16);
}

ExitCode DecodeBcr(std::string_view text, bool json) {
    const std::int32_t bcr = ReadBcrText(text);
    const auto bits = static_cast<std::uint32_t>(bcr);
    const std::int32_t cdv = static_cast<std::int32_t>(bits & 0xffffu);
    const unsigned bit16 = (bits & kBcrBit16) != 0 ? 1 : 0;
    const unsigned selectCode = bits >> kBcrSelectShift;
    const std::string_view sourceName = ClockSelectCodeName(selectCode);

    if (json) {
        JsonObject object;
        object.AddString("bcr", FormatHex(bcr)).AddString("cdv", FormatHex(cdv));
        object.AddInteger("bit16", bit16).AddInteger("source_code", selectCode);
        if (sourceName.empty()) {
            object.AddNull("source");
        } else {
            object.AddString("source", sourceName);
        }
        WriteOut(object.Text() + "\n");
    } else {
        WriteOut("BCR " + FormatHex(bcr) + "\nCDV " + FormatHex(cdv) + "\nBIT16 " +
                 std::to_string(bit16) + "\nSOURCE " + std::to_string(selectCode) + " " +
                 std::string(sourceName.empty() ? "unknown" : sourceName) + "\n");
    }
    return kExitSuccess;
}

ExitCode DecodeMmcrh(std::string_view text, bool json) {
    const std::int32_t mmcrh = ReadNumber(text, 16);
    const int rcdv = MmcrhRcdv(mmcrh);
    const int tcdv = MmcrhTcdv(mmcrh);
    const Result<std::int32_t> factor = DecodeMmcrhPrescaler(mmcrh);

    if (json) {
        JsonObject object;
        object.AddString("mmcrh", FormatHex(mmcrh)).AddInteger("rcdv", rcdv);
        object.AddInteger("tcdv", tcdv);
        if (factor) {
            object.AddInteger("factor", *factor);
        } else {
            object.AddString("error", CalcErrorName(factor.error()));
            object.AddString("message", ErrorMessageText(factor.error()));
        }
        WriteOut(object.Text() + "\n");
    } else {
        std::string out = "MMCRH " + FormatHex(mmcrh) + "\nRCDV " + std::to_string(rcdv) +
                          "\nTCDV " + std::to_string(tcdv) + "\n";
        if (factor) out += "FACTOR " + std::to_string(*factor) + "\n";
        WriteOut(out);
    }
    if (!factor) {
        WriteErr(std::string(ErrorMessageText(factor.error())) + "\n");
        return kExitCalculationFailed;
    }
    return kExitSuccess;
}

}  // namespace

ExitCode RunDecodeCommand(const Arguments& arguments) {
    CheckOptionNames(arguments, {"bcr", "mmcrh"});
    const auto bcrText = FindOption(arguments, "bcr");
    const auto mmcrhText = FindOption(arguments, "mmcrh");
    if (bcrText.has_value() == mmcrhText.has_value()) {
        throw UsageError("the decode command needs exactly one of --bcr and --mmcrh");
    }
    return bcrText ? DecodeBcr(*bcrText, arguments.json) : DecodeMmcrh(*mmcrhText, arguments.json);
}

}  // namespace quarvel::cli
