#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quarvel {
namespace {

struct ReadCase {
    std::string text;
    int base;
    std::int32_t expected;
};

TEST(ReadNumber, FollowsTheNumericTextRule) {
    const ReadCase cases[] = {
        // Plain numbers, white space, sign and trailing text.
        {"3686400", 10, 3686400},
        {"  3686400 Hz", 10, 3686400},
        {"\t+115200", 10, 115200},
        {"\n\v\f\r 42", 10, 42},
        {"3,686,400", 10, 3},
        {"12.5", 10, 12},
        {"", 10, 0},
        {"abc", 10, 0},
        {"   ", 10, 0},
        {"-5", 10, -5},
        {"-0", 10, 0},
        {"- 5", 10, 0},
        {"+-5", 10, 0},
        {"--5", 10, 0},
        {"+ 5", 10, 0},
        // The hex prefix counts only in base 16 and only right after the sign.
        {"0x1A", 10, 0},
        {"0x1A", 16, 26},
        {"0X1a", 16, 26},
        {"1a", 16, 26},
        {"  -0x10", 16, -16},
        {"x1f", 16, 0},
        {"0x", 16, 0},
        {"0xx1", 16, 0},
        {"00x1", 16, 0},
        {"0x0x1", 16, 0},
        {"DEADbeef", 16, static_cast<std::int32_t>(0xdeadbeefu)},
        {"1g", 16, 1},
        {"9a", 10, 9},
        // Unsigned 32-bit accumulation read back as signed, and the overflow value.
        {"2147483647", 10, INT_MAX},
        {"2147483648", 10, INT_MIN},
        {"-2147483648", 10, INT_MIN},
        {"3000000000", 10, -1294967296},
        {"4294967295", 10, -1},
        {"4294967296", 10, -1},
        {"99999999999999999", 10, -1},
        {"-99999999999", 10, 1},
        {"-4294967295", 10, 1},
        {"fffffffe", 16, -2},
        {"1ffffffff", 16, -1},
        {"-ffffffff", 16, 1},
        // Only the first 19 characters take part: white space and sign count among them.
        {"00000000000000000001", 10, 0},
        {"0000000000000000001", 10, 1},
        {"                  7", 10, 7},
        {"                   7", 10, 0},
        {"1234567890123456789", 10, -1},
        {std::string("12\0"
                     "34",
                     5),
         10, 12},
        // Bytes outside 7-bit ASCII are neither space, digit nor letter.
        {"\xA0"
         "5",
         10, 0},
        {"5\xB5"
         "5",
         10, 5},
        {"\xC3\xA9", 16, 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\" base " + std::to_string(c.base));
        EXPECT_EQ(ReadNumber(c.text, c.base), c.expected);
    }
}

TEST(ReadNumber, OtherBasesReadOnlyDigitsBelowTheBase) {
    EXPECT_EQ(ReadNumber("101", 2), 5);
    EXPECT_EQ(ReadNumber("z", 36), 35);
    EXPECT_EQ(ReadNumber("0x7", 8), 0);
    EXPECT_EQ(ReadNumber("10", 1), 0);
    EXPECT_EQ(ReadNumber("10", 0), 0);
    EXPECT_EQ(ReadNumber("10", -16), 0);
    EXPECT_EQ(ReadNumber("zzzzzzzzzzzzzzzzzzz", INT_MAX), -1);
}

struct FormatCase {
    std::int32_t value;
    std::string decimal;
    std::string hex;
};

TEST(FormatNumber, DecimalIsSignedAndHexShowsTheBitPattern) {
    const FormatCase cases[] = {
        {0, "0", "0"},
        {1, "1", "1"},
        {26, "26", "1a"},
        {3686400, "3686400", "384000"},
        {-1, "-1", "ffffffff"},
        {-3, "-3", "fffffffd"},
        {INT_MAX, "2147483647", "7fffffff"},
        {INT_MIN, "-2147483648", "80000000"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatDecimal(c.value), c.decimal);
        EXPECT_EQ(FormatHex(c.value), c.hex);
        EXPECT_EQ(ReadNumber(c.decimal, 10), c.value);
        EXPECT_EQ(ReadNumber(c.hex, 16), c.value);
    }
}

}  // namespace
}  // namespace quarvel
