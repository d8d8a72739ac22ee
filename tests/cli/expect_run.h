#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"

inline const std::string kBaudRateZero = "Baud rate cannot be zero. Re-enter the baud rate.\n";
inline const std::string kMismatch =
    "RCDV value is different than TCDV value. These values must be identical.\n";
inline const std::string kCdvInvalid = "The calculated CDV value invalid. Re-enter parameters.\n";

// One command line and what it must give: on success the first lines of stdout and an empty
// stderr; on a failure exactly the message on stderr and nothing on stdout.
struct CliCase {
    std::vector<std::string> arguments;
    std::string outStart;
    std::string err;
    int exitCode = 0;
};

inline CliCase Succeeds(std::vector<std::string> arguments, std::string outStart) {
    return {std::move(arguments), std::move(outStart), "", 0};
}

inline CliCase FailsWith(std::vector<std::string> arguments, std::string message) {
    return {std::move(arguments), "", std::move(message), 1};
}

inline void ExpectRun(const CliCase& c) {
    SCOPED_TRACE(CommandLine(c.arguments));
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err, c.err);
    if (c.exitCode == 0) {
        EXPECT_EQ(run.out.substr(0, c.outStart.size()), c.outStart);
    } else {
        EXPECT_EQ(run.out, "");
    }
}
