#include "calc/prescaler.h"

#include "calc/number_text.h"

namespace quarvel {

int MmcrhRcdv(std::int32_t mmcrh) {
    return static_cast<int>((static_cast<std::uint32_t>(mmcrh) >> 25) & 3u);
}

int MmcrhTcdv(std::int32_t mmcrh) {
    return static_cast<int>((static_cast<std::uint32_t>(mmcrh) >> 9) & 3u);
}

std::int32_t DivideCodeFactor(int divideCode) {
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

Result<std::int32_t> DecodeMmcrhPrescaler(std::int32_t mmcrh) {
    const int rcdv = MmcrhRcdv(mmcrh);
    if (rcdv != MmcrhTcdv(mmcrh)) return CalcError::RcdvTcdvMismatch;
    return DivideCodeFactor(rcdv);
}

Result<std::int32_t> ResolvePrescaler(PrescalerChoice choice, std::string_view mmcrhText) {
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
