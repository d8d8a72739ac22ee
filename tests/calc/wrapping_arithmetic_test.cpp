#include "calc/wrapping_arithmetic.h"

#include <gtest/gtest.h>

#include <climits>

namespace quarvel {
namespace {

TEST(WrappingArithmetic, WrapsLikeA32BitRegister) {
    EXPECT_EQ(WrappingAdd(INT_MAX, 1), INT_MIN);
    EXPECT_EQ(WrappingSubtract(INT_MIN, 1), INT_MAX);
    EXPECT_EQ(WrappingMultiply(268435456, 8), INT_MIN);
    EXPECT_EQ(WrappingMultiply(536870912, 8), 0);
    EXPECT_EQ(WrappingMultiply(-115200, 8), -921600);
}

TEST(WrappingArithmetic, DivisionTruncatesTowardZero) {
    EXPECT_EQ(TruncatingDivide(7, 2), 3);
    EXPECT_EQ(TruncatingDivide(-7, 2), -3);
    EXPECT_EQ(TruncatingDivide(7, -2), -3);
    EXPECT_EQ(TruncatingDivide(INT_MIN, 1), INT_MIN);
    EXPECT_EQ(TruncatingDivide(INT_MIN, -1), INT_MIN);
    EXPECT_EQ(TruncatingDivide(5, -1), -5);
}

}  // namespace
}  // namespace quarvel
