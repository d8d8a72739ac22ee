// The worked examples of the calculator, answered by the command-line program.
#include <gtest/gtest.h>

#include "expect_run.h"

namespace {

// "--opt=VALUE" takes any text, so each case can hand the field's text over unchanged.
std::string Opt(const std::string& name, const std::string& value) {
    return "--" + name + "=" + value;
}

// With CDV 0 and x1 the baud rate is the clock itself: a window onto the decimal reading rule.
CliCase ReadsDecimal(const std::string& text, const std::string& value) {
    return Succeeds({"baud", Opt("clock", text), "--cdv", "0", "--prescaler", "x1"},
                    "BAUD " + value + "\n");
}

// decode shows the value that a hex text reads as.
CliCase ReadsHex(const std::string& text, const std::string& hex) {
    return Succeeds({"decode", Opt("bcr", text)}, "BCR " + hex + "\n");
}

TEST(CliExamples, ReadNumbersByTheFieldRule) {
    const CliCase cases[] = {
        ReadsDecimal("3686400", "3686400"),
        ReadsDecimal("  3686400 Hz", "3686400"),
        ReadsDecimal("\t+115200", "115200"),
        ReadsDecimal("3,686,400", "3"),
        ReadsDecimal("12.5", "12"),
        ReadsDecimal("", "0"),
        ReadsDecimal("abc", "0"),
        ReadsDecimal("0x1A", "0"),
        ReadsDecimal("- 5", "0"),
        ReadsDecimal("-5", "-5"),
        ReadsDecimal("-0", "0"),
        ReadsDecimal("2147483648", "-2147483648"),
        ReadsDecimal("3000000000", "-1294967296"),
        ReadsDecimal("4294967295", "-1"),
        ReadsDecimal("4294967296", "-1"),
        ReadsDecimal("123456789012345678", "-1"),
        ReadsDecimal("-99999999999", "1"),
        ReadsDecimal("00000000000000000001", "0"),
        ReadsHex("0x1A", "1a"),
        ReadsHex("0X1a", "1a"),
        ReadsHex("1a", "1a"),
        ReadsHex("  -0x10", "fffffff0"),
        ReadsHex("x1f", "0"),
        ReadsHex("fffffffe", "fffffffe"),
        ReadsHex("1ffffffff", "ffffffff"),
    };
    for (const CliCase& c : cases) ExpectRun(c);
}

TEST(CliExamples, DecodeMmcrhPrescalers) {
    const CliCase cases[] = {
        Succeeds({"decode", "--mmcrh", "02000200"}, "MMCRH 2000200\nRCDV 1\nTCDV 1\nFACTOR 8\n"),
        Succeeds({"decode", "--mmcrh", "06000600"}, "MMCRH 6000600\nRCDV 3\nTCDV 3\nFACTOR 32\n"),
        Succeeds({"decode", "--mmcrh", "ffffffff"}, "MMCRH ffffffff\nRCDV 3\nTCDV 3\nFACTOR 32\n"),
        Succeeds({"decode", "--mmcrh", "f9fff9ff"}, "MMCRH f9fff9ff\nRCDV 0\nTCDV 0\nFACTOR 1\n"),
        Succeeds({"decode", "--mmcrh="}, "MMCRH 0\nRCDV 0\nTCDV 0\nFACTOR 1\n"),
        // The prescaler factor shows in the CDV: 115200 at 3686400 Hz gives f with x1, 1 with x8.
        Succeeds({"cdv", "--clock", "3686400", "--baud-index", "6", "--prescaler", "mmcrh",
                  "--mmcrh", "f9fff9ff", "--source", "0"},
                 "CDV f\nBCR 1000f\n"),
        Succeeds({"cdv", "--clock", "3686400", "--baud-index", "6", "--prescaler", "mmcrh",
                  "--source", "0"},
                 "CDV f\nBCR 1000f\n"),
        Succeeds({"cdv", "--clock", "3686400", "--baud-index", "6", "--prescaler", "mmcrh",
                  "--mmcrh", "02000200", "--source", "0"},
                 "CDV 1\nBCR 10001\n"),
        FailsWith({"cdv", "--clock", "3686400", "--baud-index", "6", "--prescaler", "mmcrh",
                   "--mmcrh", "200", "--source", "0"},
                  kMismatch),
    };
    for (const CliCase& c : cases) ExpectRun(c);
}

CliCase Cdv(const std::string& clock, const std::string& baudIndex, const std::string& prescaler,
            const std::string& source, const std::string& expected) {
    return Succeeds({"cdv", Opt("clock", clock), "--baud-index", baudIndex, "--prescaler",
                     prescaler, "--source", source},
                    expected);
}

CliCase CdvTyped(const std::string& clock, const std::string& typed, const std::string& prescaler,
                 const std::string& expected) {
    return Succeeds({"cdv", "--clock", clock, "--baud-index", "10", Opt("baud", typed),
                     "--prescaler", prescaler, "--source", "0"},
                    expected);
}

std::vector<std::string> CdvArguments(const std::string& clock, const std::string& baudIndex,
                                      const std::string& typed, const std::string& prescaler,
                                      const std::string& mmcrh) {
    return {"cdv",         Opt("clock", clock), "--baud-index",      baudIndex,  Opt("baud", typed),
            "--prescaler", prescaler,           Opt("mmcrh", mmcrh), "--source", "0"};
}

TEST(CliExamples, CalculateCdv) {
    const CliCase cases[] = {
        Cdv("3686400", "6", "x8", "0", "CDV 1\nBCR 10001\n"),
        Cdv("3686400", "6", "x1", "0", "CDV f\nBCR 1000f\n"),
        Cdv("3686400", "2", "x16", "0", "CDV b\nBCR 1000b\n"),
        Cdv("133000000", "6", "x8", "1", "CDV 47\nBCR 210047\n"),
        Cdv("100000000", "9", "x1", "2", "CDV 35\nBCR 90035\n"),
        Cdv("3686400", "6", "x8", "3", "CDV 1\nBCR ???d0001\n"),
        Cdv("3686400", "0", "x1", "3", "CDV 2ff\nBCR ???d02ff\n"),
        Cdv("3686400", "7", "x8", "0", "CDV 0\nBCR 10000\n"),
        Cdv("3686400", "8", "x8", "0", "CDV 0\nBCR 10000\n"),
        FailsWith(CdvArguments("3686400", "9", "", "x8", ""), kCdvInvalid),
        CdvTyped("3686400", "1", "x1", "CDV 1c1fff\nBCR 1d1fff\n"),
        CdvTyped("3686400", "-115200", "x8", "CDV fffffffd\nBCR fffffffd\n"),
        Succeeds(CdvArguments("3686400", "6", "", "mmcrh", "06000600"), "CDV 0\nBCR 10000\n"),
        FailsWith(CdvArguments("0", "6", "", "x8", ""), kCdvInvalid),
        FailsWith(CdvArguments("0", "6", "", "mmcrh", "200"), kMismatch),
        FailsWith(CdvArguments("3686400", "10", "0", "x8", ""), kBaudRateZero),
        FailsWith(CdvArguments("3686400", "10", "", "x8", ""), kBaudRateZero),
        FailsWith(CdvArguments("3686400", "10", "abc", "x8", ""), kBaudRateZero),
        FailsWith(CdvArguments("3686400", "10", "0", "mmcrh", "200"), kBaudRateZero),
        FailsWith(CdvArguments("3686400", "10", "", "mmcrh", "200"), kBaudRateZero),
        // Twice baud rate x prescaler wraps to zero.
        FailsWith(CdvArguments("3686400", "10", "268435456", "x8", ""), kCdvInvalid),
        FailsWith(CdvArguments("3686400", "10", "2147483648", "x1", ""), kCdvInvalid),
    };
    for (const CliCase& c : cases) ExpectRun(c);
}

CliCase Baud(const std::string& clock, const std::string& cdv, const std::string& prescaler,
             const std::string& expected) {
    return Succeeds({"baud", Opt("clock", clock), Opt("cdv", cdv), "--prescaler", prescaler},
                    "BAUD " + expected + "\n");
}

TEST(CliExamples, CalculateBaudRate) {
    const CliCase cases[] = {
        Baud("3686400", "1", "x8", "115200"),
        Baud("3686400", "0", "x8", "460800"),
        Baud("3686400", "", "x8", "460800"),
        Baud("3686400", "f", "x1", "115200"),
        Baud("-3686400", "1", "x8", "-115200"),
        Baud("133000000", "47", "x8", "115451"),
        Baud("100000000", "35", "x1", "925925"),
        Baud("0", "1", "x8", "0"),
        FailsWith(
            {"baud", "--clock", "3686400", "--cdv", "1", "--prescaler", "mmcrh", "--mmcrh", "200"},
            kMismatch),
        // The divisor ((cdv + 1) x prescaler) x 2 wraps to zero.
        FailsWith({"baud", "--clock", "3686400", "--cdv", "ffffffff", "--prescaler", "x1"},
                  kCdvInvalid),
        FailsWith({"baud", "--clock", "3686400", "--cdv", "123456789", "--prescaler", "x8"},
                  kCdvInvalid),
        FailsWith({"baud", "--clock", "3686400", "--cdv", "7fffffff", "--prescaler", "x1"},
                  kCdvInvalid),
    };
    for (const CliCase& c : cases) ExpectRun(c);
}

}  // namespace
