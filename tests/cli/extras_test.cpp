// Beyond the two calculations: list names, the actual rate, --check, --json, table and decode.
#include <gtest/gtest.h>

#include <algorithm>

#include "expect_run.h"

namespace {

std::vector<std::string> CdvAt(const std::string& clock, const std::string& baudIndex,
                               const std::string& prescaler, const std::string& source) {
    return {"cdv",         "--clock", clock,      "--baud-index", baudIndex,
            "--prescaler", prescaler, "--source", source};
}

std::vector<std::string> With(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(CliExtras, ListItemsByName) {
    const CliCase cases[] = {
        Succeeds(CdvAt("133000000", "115200", "x8", "TCLK"), "CDV 47\nBCR 210047\n"),
        Succeeds(CdvAt("100000000", "921600", "x1", "sclk0"), "CDV 35\nBCR 90035\n"),
        Succeeds(CdvAt("3686400", "2400", "x1", "other clock"), "CDV 2ff\nBCR ???d02ff\n"),
        Succeeds(CdvAt("3686400", "115200", "X8", "BCLK_in"), "CDV 1\nBCR 10001\n"),
        // A number 0 to 10 is the list position, never a rate.
        Succeeds(CdvAt("3686400", "6", "x8", "0"), "CDV 1\nBCR 10001\n"),
        Succeeds(With(CdvAt("3686400", "OTHER", "x8", "0"), {"--baud", "115200"}),
                 "CDV 1\nBCR 10001\n"),
        Succeeds(With(CdvAt("3686400", "10", "x8", "0"), {"--baud", "115200"}),
                 "CDV 1\nBCR 10001\n"),
    };
    for (const CliCase& c : cases) ExpectRun(c);
}

TEST(CliExtras, ActualRateAndErrorFollowTheCdv) {
    const CliCase cases[] = {
        Succeeds(CdvAt("133000000", "6", "x8", "1"),
                 "CDV 47\nBCR 210047\nACTUAL 115451\nERROR +0.22%\n"),
        Succeeds(CdvAt("100000000", "9", "x1", "2"),
                 "CDV 35\nBCR 90035\nACTUAL 925925\nERROR +0.47%\n"),
        // q = 1 gives CDV 0, which divides by the prescaler alone: twice the wanted rate.
        Succeeds(CdvAt("3686400", "7", "x8", "0"),
                 "CDV 0\nBCR 10000\nACTUAL 460800\nERROR +100.00%\n"),
        Succeeds(With(CdvAt("3686400", "10", "x8", "0"), {"--baud=-115200"}),
                 "CDV fffffffd\nBCR fffffffd\nACTUAL -115200\nERROR 0.00%\n"),
        Succeeds(With(CdvAt("3686400", "10", "x1", "0"), {"--baud", "1"}),
                 "CDV 1c1fff\nBCR 1d1fff\nACTUAL 1\nERROR 0.00%\n"),
        Succeeds(With(CdvAt("1000", "10", "x1", "0"), {"--baud", "3"}),
                 "CDV a5\nBCR 100a5\nACTUAL 3\nERROR 0.00%\n"),
        Succeeds(With(CdvAt("1000", "10", "x1", "0"), {"--baud", "7"}),
                 "CDV 46\nBCR 10046\nACTUAL 7\nERROR 0.00%\n"),
        Succeeds(With(CdvAt("1000", "10", "x1", "0"), {"--baud", "300"}),
                 "CDV 0\nBCR 10000\nACTUAL 1000\nERROR +233.33%\n"),
    };
    for (const CliCase& c : cases) ExpectRun(c);
}

TEST(CliExtras, CheckFailsTheRunWhenTheErrorIsTooLarge) {
    struct CheckCase {
        std::vector<std::string> arguments;
        int exitCode;
    };
    const CheckCase cases[] = {
        {With(CdvAt("3686400", "6", "x8", "0"), {"--check", "0"}), 0},
        {With(CdvAt("133000000", "6", "x8", "1"), {"--check", "0.5"}), 0},
        {With(CdvAt("133000000", "6", "x8", "1"), {"--check", "0.5%"}), 0},
        {With(CdvAt("133000000", "6", "x8", "1"), {"--check", "0.2"}), 3},
        {With(CdvAt("3686400", "9", "x8", "0"), {"--check", "5"}), 1},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(CommandLine(c.arguments));
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        if (c.exitCode == 3) {
            EXPECT_EQ(run.out.rfind("CDV 47\nBCR 210047\n", 0), 0u);
            EXPECT_EQ(run.err, "quarvel-calc: rate error +0.22% exceeds --check 0.2\n");
        }
    }
}

TEST(CliExtras, JsonCarriesResultsAndFailures) {
    const CliCase cases[] = {
        Succeeds(With(CdvAt("133000000", "6", "x8", "1"), {"--json"}),
                 "{\"cdv\":\"47\",\"bcr\":\"210047\",\"wanted\":115200,\"actual\":115451,"
                 "\"error_percent\":0.2179}\n"),
        Succeeds({"baud", "--clock", "3686400", "--cdv", "1", "--prescaler", "x8", "--json"},
                 "{\"baud\":115200}\n"),
        Succeeds({"decode", "--bcr", "210047", "--json"},
                 "{\"bcr\":\"210047\",\"cdv\":\"47\",\"bit16\":1,\"source_code\":8,"
                 "\"source\":\"TCLK\"}\n"),
    };
    for (const CliCase& c : cases) ExpectRun(c);

    const CliRun failed = RunCli(With(CdvAt("0", "6", "x8", "0"), {"--json"}));
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out,
              "{\"error\":\"CdvInvalid\",\"message\":\"The calculated CDV value invalid. Re-enter "
              "parameters.\"}\n");
    EXPECT_EQ(failed.err, kCdvInvalid);

    const CliRun usage = RunCli({"cdv", "--json", "--clock", "1"});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_EQ(usage.out,
              "{\"error\":\"usage\",\"message\":\"the cdv command needs --baud-index\"}\n");
}

TEST(CliExtras, TableCoversEveryRateAndPrescaler) {
    const CliRun run = RunCli({"table", "--clock", "3686400", "--source", "other clock"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 41);
    EXPECT_NE(run.out.find("\n2400     x1        2ff       ???d02ff     2400        0.00%\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\n921600   x8        FAILED The calculated CDV value invalid."),
              std::string::npos);

    const CliRun json = RunCli({"table", "--clock", "3686400", "--json"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_NE(json.out.find("{\"baud\":115200,\"prescaler\":\"x8\",\"cdv\":\"1\",\"bcr\":"
                            "\"10001\",\"actual\":115200,\"error_percent\":0.0000}"),
              std::string::npos);
    EXPECT_NE(json.out.find("{\"baud\":921600,\"prescaler\":\"x32\",\"error\":\"CdvInvalid\""),
              std::string::npos);
}

TEST(CliExtras, DecodeShowsRegisterFields) {
    const CliCase cases[] = {
        Succeeds({"decode", "--bcr", "10001"}, "BCR 10001\nCDV 1\nBIT16 1\nSOURCE 0 BCLK_in\n"),
        Succeeds({"decode", "--bcr", "90035"}, "BCR 90035\nCDV 35\nBIT16 1\nSOURCE 2 SCLK0\n"),
        Succeeds({"decode", "--bcr", "???d02ff"},
                 "BCR d02ff\nCDV 2ff\nBIT16 1\nSOURCE 3 other clock\n"),
        Succeeds({"decode", "--bcr", "1d1fff"},
                 "BCR 1d1fff\nCDV 1fff\nBIT16 1\nSOURCE 7 unknown\n"),
        Succeeds({"decode", "--bcr", "fffffffd"},
                 "BCR fffffffd\nCDV fffd\nBIT16 1\nSOURCE 16383 unknown\n"),
    };
    for (const CliCase& c : cases) ExpectRun(c);

    const CliRun mismatch = RunCli({"decode", "--mmcrh", "200"});
    EXPECT_EQ(mismatch.exitCode, 1);
    EXPECT_EQ(mismatch.out, "MMCRH 200\nRCDV 0\nTCDV 1\n");
    EXPECT_EQ(mismatch.err, kMismatch);
}

}  // namespace
