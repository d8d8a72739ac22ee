// CalculateCdv against a 64-bit re-calculation, plus the invariants of its texts: the CDV text
// reads back, and every BCR keeps bit 16 and its clock-select bits.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "calc/calculations.h"
#include "fuzz_check.h"
#include "register_oracle.h"

namespace {

using quarvel::CalcError;

struct Expected {
    std::optional<CalcError> error;
    std::int64_t cdv = 0;
};

Expected OracleCdv(std::int64_t clock, int baudIndex, std::int64_t typedRate, int choice,
                   const std::string& mmcrh) {
    constexpr std::int64_t kRates[] = {2400,  4800,   9600,   19200,  38400,
                                       57600, 115200, 230400, 460800, 921600};
    const std::int64_t rate = baudIndex >= 0 && baudIndex < 10 ? kRates[baudIndex] : typedRate;
    if (rate == 0) return {CalcError::BaudRateZero};
    const auto factor = oracle::Factor(choice, mmcrh);
    if (!factor) return {CalcError::RcdvTcdvMismatch};
    const std::int64_t p = oracle::Wrap32(rate * *factor);
    if (clock < p) return {CalcError::CdvInvalid};
    const std::int64_t divisor = oracle::Wrap32(2 * p);
    if (divisor == 0) return {CalcError::CdvInvalid};
    const std::int64_t q = clock / divisor;
    return {std::nullopt, q <= 1 && q >= 0 ? 0 : oracle::Wrap32(q - 1)};
}

std::uint32_t SelectBits(int clockSource) {
    switch (clockSource) {
        case 0:
            return 0x10000;
        case 1:
            return 0x210000;
        case 2:
            return 0x90000;
        default:
            return 0xd0000;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int baudIndex = input.ConsumeIntegralInRange<int>(-3, 13);
    const int choice = input.ConsumeIntegralInRange<int>(0, 4);
    const int clockSource = input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(0, 3)
                                                : input.ConsumeIntegral<int>();
    const std::string clock = input.ConsumeRandomLengthString(24);
    const std::string typed = input.ConsumeRandomLengthString(24);
    const std::string mmcrh = input.ConsumeRemainingBytesAsString();

    const auto result = quarvel::CalculateCdv(
        clock, baudIndex, typed, static_cast<quarvel::PrescalerChoice>(choice), mmcrh, clockSource);
    const Expected expected = OracleCdv(quarvel::ReadNumber(clock, 10), baudIndex,
                                        quarvel::ReadNumber(typed, 10), choice, mmcrh);
    if (expected.error) {
        FUZZ_CHECK(!result && result.error() == *expected.error);
        return 0;
    }
    FUZZ_CHECK(result.has_value());
    FUZZ_CHECK(result->cdvText == oracle::Hex(expected.cdv));
    FUZZ_CHECK(oracle::Bits(quarvel::ReadNumber(result->cdvText, 16)) ==
               oracle::Bits(expected.cdv));

    const std::uint32_t bcr = oracle::Bits(expected.cdv) | SelectBits(clockSource);
    char bcrText[24];
    if (clockSource >= 0 && clockSource <= 2) {
        std::snprintf(bcrText, sizeof bcrText, "%x", static_cast<unsigned>(bcr));
        FUZZ_CHECK(result->bcrText == bcrText);
    } else {
        std::snprintf(bcrText, sizeof bcrText, "%s%4x", "???", static_cast<unsigned>(bcr));
        FUZZ_CHECK(result->bcrText == bcrText);
        FUZZ_CHECK(result->bcrText.starts_with("???"));
    }
    const std::string hexPart = result->bcrText.substr(result->bcrText.starts_with("???") ? 3 : 0);
    const auto bcrRead = static_cast<std::uint32_t>(quarvel::ReadNumber(hexPart, 16));
    FUZZ_CHECK((bcrRead & 0x10000u) != 0);
    FUZZ_CHECK((bcrRead & SelectBits(clockSource)) == SelectBits(clockSource));
    return 0;
}
