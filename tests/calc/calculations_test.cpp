#include "calc/calculations.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "result_printing.h"

namespace quarvel {
namespace {

constexpr auto kX1 = PrescalerChoice::PrescalerX1;
constexpr auto kX8 = PrescalerChoice::PrescalerX8;
constexpr auto kX16 = PrescalerChoice::PrescalerX16;
constexpr auto kX32 = PrescalerChoice::PrescalerX32;
constexpr auto kMmcrh = PrescalerChoice::PrescalerMmcrh;

struct CdvCase {
    std::string clock;
    int baudIndex;
    std::string typedBaud;
    PrescalerChoice prescaler;
    std::string mmcrh;
    int clockSource;
    Result<CdvResult> expected;
};

std::string Describe(const CdvCase& c) {
    return "clock \"" + c.clock + "\" baud index " + std::to_string(c.baudIndex) + " typed \"" +
           c.typedBaud + "\" prescaler " + std::to_string(static_cast<int>(c.prescaler)) +
           " MMCRH \"" + c.mmcrh + "\" source " + std::to_string(c.clockSource);
}

TEST(CalculateCdv, GivesCdvAndBcrOrTheFirstFailure) {
    const CdvCase cases[] = {
        // The form's defaults and the other worked examples.
        {"3686400", 6, "", kX8, "", 0, CdvResult{"1", "10001"}},
        {"3686400", 6, "", kX1, "", 0, CdvResult{"f", "1000f"}},
        {"3686400", 2, "", kX16, "", 0, CdvResult{"b", "1000b"}},
        {"133000000", 6, "", kX8, "", 1, CdvResult{"47", "210047"}},
        {"100000000", 9, "", kX1, "", 2, CdvResult{"35", "90035"}},
        {"3686400", 6, "", kX8, "", 3, CdvResult{"1", "???d0001"}},
        {"3686400", 0, "", kX1, "", 3, CdvResult{"2ff", "???d02ff"}},
        {"3686400", 0, "", kX32, "", 0, CdvResult{"17", "10017"}},
        // q = 1 and q = 0 (clock equal to baud rate x prescaler) both give CDV 0.
        {"3686400", 7, "", kX8, "", 0, CdvResult{"0", "10000"}},
        {"3686400", 8, "", kX8, "", 0, CdvResult{"0", "10000"}},
        {"3686400", 9, "", kX8, "", 0, CalcError::CdvInvalid},
        // A typed rate counts only for "OTHER"; CDV is not masked into BCR.
        {"3686400", 10, "1", kX1, "", 0, CdvResult{"1c1fff", "1d1fff"}},
        {"3686400", 6, "1", kX1, "", 0, CdvResult{"f", "1000f"}},
        {"3686400", 10, "-115200", kX8, "", 0, CdvResult{"fffffffd", "fffffffd"}},
        {"3686400", 10, "  115200 bit/s", kX8, "", 0, CdvResult{"1", "10001"}},
        // With no selection in the baud list the typed text is the rate.
        {"3686400", -1, "115200", kX8, "", 0, CdvResult{"1", "10001"}},
        {"3686400", 11, "", kX8, "", 0, CalcError::BaudRateZero},
        // The prescaler from MMCRH, read only for "Other MMCRH value".
        {"3686400", 6, "", kMmcrh, "06000600", 0, CdvResult{"0", "10000"}},
        {"3686400", 6, "", kMmcrh, "02000200", 0, CdvResult{"1", "10001"}},
        {"3686400", 6, "", kMmcrh, "", 0, CdvResult{"f", "1000f"}},
        {"3686400", 6, "", kX8, "200", 0, CdvResult{"1", "10001"}},
        {"3686400", 6, "", kMmcrh, "200", 0, CalcError::RcdvTcdvMismatch},
        // Failure order: zero rate, then mismatch, then invalid CDV.
        {"0", 6, "", kX8, "", 0, CalcError::CdvInvalid},
        {"0", 6, "", kMmcrh, "200", 0, CalcError::RcdvTcdvMismatch},
        {"3686400", 10, "0", kX8, "", 0, CalcError::BaudRateZero},
        {"3686400", 10, "", kX8, "", 0, CalcError::BaudRateZero},
        {"3686400", 10, "fast", kX8, "", 0, CalcError::BaudRateZero},
        {"0", 10, "0", kMmcrh, "200", 0, CalcError::BaudRateZero},
        {"", 6, "", kX8, "", 0, CalcError::CdvInvalid},
        // Twice the product wraps to zero: no division by zero.
        {"3686400", 10, "268435456", kX8, "", 0, CalcError::CdvInvalid},
        {"3686400", 10, "2147483648", kX1, "", 0, CalcError::CdvInvalid},
        {"3686400", 10, "536870912", kX8, "", 0, CalcError::CdvInvalid},
        {"-5", 10, "536870912", kX8, "", 0, CalcError::CdvInvalid},
        // Clock past the 32-bit range reads as -1, below any positive product.
        {"99999999999", 6, "", kX8, "", 0, CalcError::CdvInvalid},
        {"2147483647", 10, "1", kX1, "", 1, CdvResult{"3ffffffe", "3ffffffe"}},
        {"8", 10, "-1", kX1, "", 2, CdvResult{"fffffffb", "fffffffb"}},
        {"-8", 10, "-1", kX1, "", 0, CalcError::CdvInvalid},
        {"-2147483648", 10, "-2147483648", kX1, "", 0, CalcError::CdvInvalid},
    };
    for (const CdvCase& c : cases) {
        SCOPED_TRACE(Describe(c));
        EXPECT_EQ(
            CalculateCdv(c.clock, c.baudIndex, c.typedBaud, c.prescaler, c.mmcrh, c.clockSource),
            c.expected);
    }
}

struct BaudCase {
    std::string clock;
    std::string cdv;
    PrescalerChoice prescaler;
    std::string mmcrh;
    Result<std::string> expected;
};

TEST(CalculateBaudRate, GivesTheRateThatTheCdvProduces) {
    const BaudCase cases[] = {
        {"3686400", "1", kX8, "", std::string("115200")},
        {"3686400", "0", kX8, "", std::string("460800")},
        {"3686400", "", kX8, "", std::string("460800")},
        {"3686400", "f", kX1, "", std::string("115200")},
        {"-3686400", "1", kX8, "", std::string("-115200")},
        {"133000000", "47", kX8, "", std::string("115451")},
        {"100000000", "35", kX1, "", std::string("925925")},
        {"3686400", "0x1", kX8, "", std::string("115200")},
        {"0", "1", kX8, "", std::string("0")},
        {"3686400", "1", kMmcrh, "02000200", std::string("115200")},
        {"3686400", "1", kX8, "200", std::string("115200")},
        {"3686400", "1", kMmcrh, "200", CalcError::RcdvTcdvMismatch},
        {"-2147483648", "0", kX1, "", std::string("-2147483648")},
        {"3686400", "fffffffe", kX1, "", std::string("-1843200")},
        // The divisor ((cdv + 1) x prescaler) x 2 wraps to zero.
        {"3686400", "ffffffff", kX1, "", CalcError::CdvInvalid},
        {"3686400", "123456789", kX8, "", CalcError::CdvInvalid},
        {"3686400", "7fffffff", kX1, "", CalcError::CdvInvalid},
        {"3686400", "0fffffff", kX8, "", CalcError::CdvInvalid},
    };
    for (const BaudCase& c : cases) {
        SCOPED_TRACE("clock \"" + c.clock + "\" CDV \"" + c.cdv + "\" MMCRH \"" + c.mmcrh + "\"");
        EXPECT_EQ(CalculateBaudRate(c.clock, c.cdv, c.prescaler, c.mmcrh), c.expected);
    }
}

TEST(NumericCores, TakeAnyFactorWithoutUndefinedBehaviour) {
    // Factors the form never produces still divide safely.
    EXPECT_EQ(ComputeBaudRate(INT_MIN, 0, -1), INT_MIN);
    EXPECT_EQ(ComputeBaudRate(100, 0, 0), CalcError::CdvInvalid);
    EXPECT_EQ(ComputeCdv(INT_MAX, 1, 0), CalcError::CdvInvalid);
    EXPECT_EQ(ComputeCdv(INT_MIN, INT_MIN, 1), CalcError::CdvInvalid);
}

TEST(ErrorMessageText, QuotesTheThreeMessages) {
    EXPECT_EQ(ErrorMessageText(CalcError::BaudRateZero),
              "Baud rate cannot be zero. Re-enter the baud rate.");
    EXPECT_EQ(ErrorMessageText(CalcError::RcdvTcdvMismatch),
              "RCDV value is different than TCDV value. These values must be identical.");
    EXPECT_EQ(ErrorMessageText(CalcError::CdvInvalid),
              "The calculated CDV value invalid. Re-enter parameters.");
}

}  // namespace
}  // namespace quarvel
