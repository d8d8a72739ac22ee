#pragma once

#include <cstdint>
#include <string_view>

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

// The 2-bit divide fields of MMCRH: RCDV in bits 26-25, TCDV in bits 10-9.
int MmcrhRcdv(std::int32_t mmcrh);
int MmcrhTcdv(std::int32_t mmcrh);

// A divide code 0 to 3 stands for the factor 1, 8, 16 or 32 (only the low two bits count).
std::int32_t DivideCodeFactor(int divideCode);

// The factor that an MMCRH value selects; RcdvTcdvMismatch when RCDV and TCDV disagree.
Result<std::int32_t> DecodeMmcrhPrescaler(std::int32_t mmcrh);

// The factor of a prescaler choice. The MMCRH text (hex) is read only for PrescalerMmcrh.
Result<std::int32_t> ResolvePrescaler(PrescalerChoice choice, std::string_view mmcrhText);

}  // namespace quarvel
