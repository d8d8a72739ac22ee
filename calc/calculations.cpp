#include "calc/calculations.h"

#include "calc/bcr.h"
#include "calc/number_text.h"
#include "calc/presets.h"
#include "calc/wrapping_arithmetic.h"

namespace quarvel {

std::int32_t ChosenBaudRate(int baudIndex, std::string_view typedBaudText) {
    if (const auto preset = BaudPresetRate(baudIndex)) return *preset;
    return ReadNumber(typedBaudText, 10);
}

Result<std::int32_t> ComputeCdv(std::int32_t clock, std::int32_t baudRate, std::int32_t factor) {
    const std::int32_t product = WrappingMultiply(baudRate, factor);
    if (clock < product) return CalcError::CdvInvalid;
    const std::int32_t divisor = WrappingMultiply(2, product);
    if (divisor == 0) return CalcError::CdvInvalid;
    const std::int32_t quotient = TruncatingDivide(clock, divisor);
    // A quotient of 0 and one of 1 both give CDV 0.
    return quotient == 0 ? 0 : WrappingSubtract(quotient, 1);
}

Result<std::int32_t> ComputeBaudRate(std::int32_t clock, std::int32_t cdv, std::int32_t factor) {
    // CDV 0 divides by the prescaler alone, without the factor 2 of every other CDV.
    const std::int32_t divisor =
        cdv == 0 ? factor : WrappingMultiply(WrappingMultiply(WrappingAdd(cdv, 1), factor), 2);
    if (divisor == 0) return CalcError::CdvInvalid;
    return TruncatingDivide(clock, divisor);
}

Result<CdvResult> CalculateCdv(std::string_view clockText, int baudIndex,
                               std::string_view typedBaudText, PrescalerChoice prescaler,
                               std::string_view mmcrhText, int clockSourceIndex) {
    const std::int32_t clock = ReadNumber(clockText, 10);

    const std::int32_t baudRate = ChosenBaudRate(baudIndex, typedBaudText);
    if (baudRate == 0) return CalcError::BaudRateZero;

    const Result<std::int32_t> factor = ResolvePrescaler(prescaler, mmcrhText);
    if (!factor) return factor.error();

    const Result<std::int32_t> cdv = ComputeCdv(clock, baudRate, *factor);
    if (!cdv) return cdv.error();
    return Result<CdvResult>(std::in_place, FormatHex(*cdv),
                             ComposeBcrText(*cdv, clockSourceIndex));
}

Result<std::string> CalculateBaudRate(std::string_view clockText, std::string_view cdvText,
                                      PrescalerChoice prescaler, std::string_view mmcrhText) {
    const std::int32_t clock = ReadNumber(clockText, 10);
    const std::int32_t cdv = ReadNumber(cdvText, 16);

    const Result<std::int32_t> factor = ResolvePrescaler(prescaler, mmcrhText);
    if (!factor) return factor.error();

    const Result<std::int32_t> baudRate = ComputeBaudRate(clock, cdv, *factor);
    if (!baudRate) return baudRate.error();
    return Result<std::string>(std::in_place, FormatDecimal(*baudRate));
}

}  // namespace quarvel
