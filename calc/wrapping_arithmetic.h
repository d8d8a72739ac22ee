#pragma once

#include <cstdint>

namespace quarvel {

// Register arithmetic is 32-bit two's complement: sums and products wrap, division truncates
// toward zero. Signed overflow is undefined in C++, so the wrapping steps go through uint32_t and
// come back by the (well-defined since C++20) modular conversion.

constexpr std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t WrappingSubtract(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

constexpr std::int32_t WrappingMultiply(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

// The divisor must not be zero. INT32_MIN / -1 is the one quotient that does not fit; wrapped it
// is INT32_MIN again, which is what the register arithmetic gives.
constexpr std::int32_t TruncatingDivide(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == -1) {
        return WrappingSubtract(0, dividend);
    }
    return dividend / divisor;
}

}  // namespace quarvel
