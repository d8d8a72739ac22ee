#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "calc/prescaler.h"
#include "calc/result.h"

namespace quarvel {

// The two texts that Calculate CDV writes into the form.
struct CdvResult {
    CdvResult() = default;
    CdvResult(std::string&& cdv, std::string&& bcr)
        : cdvText(std::move(cdv)), bcrText(std::move(bcr)) {}

    std::string cdvText;
    std::string bcrText;

    friend bool operator==(const CdvResult&, const CdvResult&) = default;
};

// The wanted baud rate: the preset of baudIndex 0 to 9, else typedBaudText read in base 10 (the
// form passes the baud field for "OTHER", or the list's own typed text when it has no selection).
std::int32_t ChosenBaudRate(int baudIndex, std::string_view typedBaudText);

// CDV and BCR for a wanted baud rate. The rate is the preset of baudIndex 0 to 9; for "OTHER"
// (10) and any index outside 0 to 9 it is typedBaudText read in base 10, and 0 fails with
// BaudRateZero. Then RcdvTcdvMismatch from the prescaler, then CdvInvalid when the clock is
// below baud rate x prescaler or twice that product wraps to zero.
Result<CdvResult> CalculateCdv(std::string_view clockText, int baudIndex,
                               std::string_view typedBaudText, PrescalerChoice prescaler,
                               std::string_view mmcrhText, int clockSourceIndex);

// The decimal baud rate that the CDV text (hex) gives. RcdvTcdvMismatch from the prescaler;
// CdvInvalid when ((cdv + 1) x prescaler) x 2 wraps to zero.
Result<std::string> CalculateBaudRate(std::string_view clockText, std::string_view cdvText,
                                      PrescalerChoice prescaler, std::string_view mmcrhText);

// The numeric cores of the two calculations, on numbers already read.
Result<std::int32_t> ComputeCdv(std::int32_t clock, std::int32_t baudRate, std::int32_t factor);
Result<std::int32_t> ComputeBaudRate(std::int32_t clock, std::int32_t cdv, std::int32_t factor);

}  // namespace quarvel
