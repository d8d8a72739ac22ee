// quarvel-calc: the calculator of the window program, for the command line and for scripts.
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/json_writer.h"
#include "cli/usage.h"
#include "cli/usage_error.h"

namespace quarvel::cli {
namespace {

ExitCode RunCommand(const Arguments& arguments) {
    if (arguments.command == "cdv") return RunCdvCommand(arguments);
    if (arguments.command == "baud") return RunBaudCommand(arguments);
    if (arguments.command == "table") return RunTableCommand(arguments);
    if (arguments.command == "decode") return RunDecodeCommand(arguments);
    if (arguments.command.empty()) throw UsageError("no command given");
    throw UsageError("unknown command \"" + arguments.command + "\"");
}

ExitCode ReportUsageError(const UsageError& error, bool json) {
    WriteErr("quarvel-calc: " + std::string(error.what()) + "\n");
    WriteErr(UsageText());
    if (json) {
        WriteOut(
            JsonObject().AddString("error", "usage").AddString("message", error.what()).Text() +
            "\n");
    }
    return kExitUsage;
}

}  // namespace
}  // namespace quarvel::cli

int main(int argc, char* argv[]) {
    using namespace quarvel::cli;
    try {
        const Arguments arguments = ParseArguments(argc, argv);
        if (arguments.help) {
            WriteOut(HelpText());
            return kExitSuccess;
        }
        return RunCommand(arguments);
    } catch (const UsageError& error) {
        return ReportUsageError(error, AsksForJson(argc, argv));
    }
}
