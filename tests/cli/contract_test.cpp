// The command-line contract: output lines, option forms, usage errors and exit codes.
#include <gtest/gtest.h>

#include "expect_run.h"

namespace {

TEST(CliContract, CdvPrintsCdvAndBcrFirst) {
    const CliRun run = RunCli(
        {"cdv", "--clock", "3686400", "--baud-index", "6", "--prescaler", "x8", "--source", "0"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "CDV 1\nBCR 10001\nACTUAL 115200\nERROR 0.00%\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliContract, BaudPrintsOneLine) {
    const CliRun run = RunCli({"baud", "--clock", "3686400", "--cdv", "1", "--prescaler", "x8"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "BAUD 115200\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliContract, OptionsTakeBothFormsInAnyOrder) {
    const CliCase cases[] = {
        Succeeds({"cdv", "--clock=3686400", "--baud-index=6", "--prescaler=x8", "--source=0"},
                 "CDV 1\nBCR 10001\n"),
        Succeeds({"cdv", "--source", "0", "--prescaler", "x8", "--baud-index", "6", "--clock",
                  "3686400"},
                 "CDV 1\nBCR 10001\n"),
        // Only the "=" form takes a value that begins with "-" or is empty.
        Succeeds({"baud", "--clock=-3686400", "--cdv", "1", "--prescaler", "x8"}, "BAUD -115200\n"),
        Succeeds({"baud", "--clock", "3686400", "--cdv=", "--prescaler", "x8"}, "BAUD 460800\n"),
        Succeeds({"baud", "--clock", "3686400", "--cdv", "", "--prescaler", "x8"}, "BAUD 460800\n"),
        // A value may hold "=" and spaces; texts are read as the form reads its fields.
        Succeeds({"baud", "--clock=3686400 = clock", "--cdv", "1", "--prescaler", "x8"},
                 "BAUD 115200\n"),
        Succeeds(
            {"baud", "--clock", "00000000000000000003686400", "--cdv", "0", "--prescaler", "x1"},
            "BAUD 0\n"),
        // --baud counts only for OTHER and --mmcrh only for mmcrh.
        Succeeds({"cdv", "--clock", "3686400", "--baud-index", "6", "--baud", "9600", "--prescaler",
                  "x8", "--mmcrh", "200", "--source", "0"},
                 "CDV 1\nBCR 10001\n"),
        Succeeds({"cdv", "--clock", "3686400", "--baud-index", "10", "--baud", "9600",
                  "--prescaler", "x16", "--source", "0"},
                 "CDV b\nBCR 1000b\n"),
    };
    for (const CliCase& c : cases) ExpectRun(c);
}

struct UsageCase {
    std::vector<std::string> arguments;
    std::string reason;
};

TEST(CliContract, BadUsageExitsTwoWithReasonAndUsage) {
    const std::vector<std::string> cdv = {"cdv", "--clock",     "3686400", "--baud-index",
                                          "6",   "--prescaler", "x8"};
    const auto with = [&cdv](std::vector<std::string> more) {
        std::vector<std::string> all = cdv;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    const UsageCase cases[] = {
        {{}, "no command given"},
        {{"divide"}, "unknown command \"divide\""},
        {cdv, "the cdv command needs --source"},
        {with({"--source", "4"}), "clock source 4 is out of range (0 to 3)"},
        {with({"--source=-1"}), "clock source -1 is out of range (0 to 3)"},
        {with({"--source", "HCLK"}), "unknown clock source \"HCLK\""},
        {with({"--source", "0", "--speed", "9600"}), "the cdv command takes no option --speed"},
        {with({"--source", "0", "--clock", "1"}), "option --clock is given twice"},
        {with({"--source", "0", "extra"}), "unexpected argument \"extra\""},
        {with({"--source", "0", "--json=yes"}), "option --json takes no value"},
        {with({"--source"}), "option --source needs a value"},
        {with({"--source", "-1"}), "option --source needs a value"},
        {{"cdv", "--clock", "3686400", "--baud-index", "11", "--prescaler", "x8", "--source", "0"},
         "baud index 11 is out of range"},
        {{"cdv", "--clock", "3686400", "--baud-index=-1", "--prescaler", "x8", "--source", "0"},
         "baud index -1 is out of range"},
        {{"cdv", "--clock", "3686400", "--baud-index", "6", "--prescaler", "x4", "--source", "0"},
         "unknown prescaler \"x4\""},
        {{"baud", "--clock", "3686400", "--prescaler", "x8"}, "the baud command needs --cdv"},
        {{"baud", "--clock", "1", "--cdv", "1", "--prescaler", "x8", "--source", "0"},
         "the baud command takes no option --source"},
        {{"decode"}, "the decode command needs exactly one of --bcr and --mmcrh"},
        {{"decode", "--bcr", "1", "--mmcrh", "1"},
         "the decode command needs exactly one of --bcr and --mmcrh"},
        {{"table"}, "the table command needs --clock"},
        {with({"--source", "0", "--check", "much"}), "--check needs a percentage"},
        {with({"--source", "0", "--check=-1"}), "--check needs a percentage"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(CommandLine(c.arguments));
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        const std::string firstLine = run.err.substr(0, run.err.find('\n'));
        EXPECT_EQ(firstLine.rfind("quarvel-calc: " + c.reason, 0), 0u) << firstLine;
        EXPECT_NE(run.err.find("\nusage: quarvel-calc cdv "), std::string::npos);
    }
}

TEST(CliContract, HelpExplainsTheChoicesAndExitsZero) {
    for (const char* help : {"--help", "-h"}) {
        const CliRun run = RunCli({"cdv", help});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.rfind("usage: quarvel-calc cdv ", 0), 0u);
        EXPECT_NE(run.out.find("A number 0 to 10 is always the position"), std::string::npos);
        EXPECT_NE(run.out.find("3 the --check limit was exceeded"), std::string::npos);
    }
}

}  // namespace
