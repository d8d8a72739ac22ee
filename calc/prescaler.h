#pragma once

#include <cstdint>
#include <string_view>

#include "calc/number_text.h"
#include "calc/result.h"

namespace quarvel {

// The five prescaler radio buttons, in the order the form examines them.
enum class PrescalerChoice {
    PrescalerX1,
    PrescalerX8,
    PrescalerX16,
    PrescalerX32,
    PrescalerMmcrh,
};

// These are defined here, not in a source file, so that the calculations inline them: a Result
// returned across a call costs more than the decoding itself.

// The 2-bit divide fields of MMCRH: RCDV in bits 26-25, TCDV in bits 10-9.
constexpr int MmcrhRcdv(std::int32_t mmcrh) {
    return static_cast<int>((static_cast<std::uint32_t>(mmcrh) >> 25) & 3u);
}

constexpr int MmcrhTcdv(std::int32_t mmcrh) {
    return static_cast<int>((static_cast<std::uint32_t>(mmcrh) >> 9) & 3u);
}

// A divide code 0 to 3 stands for the factor 1, 8, 16 or 32 (only the low two bits count).
constexpr std::int32_t DivideCodeFactor(int divideCode) {
    switch (divideCode & 3) {
        case 0:
            return 1;
        case 1:
            return 8;
        case 2:
            return 16;
        default:
            return 32;
    }
}

// The factor that an MMCRH value selects; RcdvTcdvMismatch when RCDV and TCDV disagree.
inline Result<std::int32_t> DecodeMmcrhPrescaler(std::int32_t mmcrh) {
    const int rcdv = MmcrhRcdv(mmcrh);
    if (rcdv != MmcrhTcdv(mmcrh)) return CalcError::RcdvTcdvMismatch;
    return DivideCodeFactor(rcdv);
}

// The factor of a prescaler choice. The MMCRH text (hex) is read only for PrescalerMmcrh.
inline Result<std::int32_t> ResolvePrescaler(PrescalerChoice choice, std::string_view mmcrhText) {
    switch (choice) {
        case PrescalerChoice::PrescalerX1:
            return 1;
        case PrescalerChoice::PrescalerX8:
            return 8;
        case PrescalerChoice::PrescalerX16:
            return 16;
        case PrescalerChoice::PrescalerX32:
            return 32;
        case PrescalerChoice::PrescalerMmcrh:
            break;
    }
    // "Other MMCRH value" is the last button the form examines; anything past it lands here too.
    return DecodeMmcrhPrescaler(ReadNumber(mmcrhText, 16));
}

}  // namespace quarvel
