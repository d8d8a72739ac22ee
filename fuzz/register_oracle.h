#pragma once

// The register arithmetic written a second way, for the fuzz targets to compare against: plain
// 64-bit integers, reduced to 32 bits only where the register would wrap.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "calc/prescaler.h"

namespace oracle {

// The 32-bit two's-complement value that v wraps to.
inline std::int64_t Wrap32(std::int64_t v) {
    const std::int64_t modulus = std::int64_t{1} << 32;
    std::int64_t r = v % modulus;
    if (r < 0) r += modulus;
    return r >= (modulus / 2) ? r - modulus : r;
}

inline std::uint32_t Bits(std::int64_t v) {
    return static_cast<std::uint32_t>(Wrap32(v) & 0xffffffff);
}

// The prescaler factor, or nothing when RCDV and TCDV disagree.
inline std::optional<std::int64_t> Factor(int choice, std::string_view mmcrhText) {
    constexpr std::int64_t kFactors[] = {1, 8, 16, 32};
    if (choice >= 0 && choice < 4) return kFactors[choice];
    const std::int64_t mmcrh = Bits(quarvel::ReadNumber(mmcrhText, 16));
    const std::int64_t rcdv = (mmcrh / (1 << 25)) % 4;
    const std::int64_t tcdv = (mmcrh / (1 << 9)) % 4;
    if (rcdv != tcdv) return std::nullopt;
    return kFactors[rcdv];
}

inline std::string Hex(std::int64_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(Bits(v)));
    return text;
}

inline std::string Decimal(std::int64_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(Wrap32(v)));
    return text;
}

}  // namespace oracle
