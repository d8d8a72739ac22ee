// CalculateBaudRate against a 64-bit re-calculation: the same wraps, the same truncation, the
// same failures, and no undefined behaviour on the way.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "calc/calculations.h"
#include "fuzz_check.h"
#include "register_oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int choice = input.ConsumeIntegralInRange<int>(0, 4);
    const std::string clock = input.ConsumeRandomLengthString(24);
    const std::string cdvText = input.ConsumeRandomLengthString(24);
    const std::string mmcrh = input.ConsumeRemainingBytesAsString();

    const auto result = quarvel::CalculateBaudRate(
        clock, cdvText, static_cast<quarvel::PrescalerChoice>(choice), mmcrh);

    const auto factor = oracle::Factor(choice, mmcrh);
    if (!factor) {
        FUZZ_CHECK(!result && result.error() == quarvel::CalcError::RcdvTcdvMismatch);
        return 0;
    }
    const std::int64_t clockValue = quarvel::ReadNumber(clock, 10);
    const std::int64_t cdv = quarvel::ReadNumber(cdvText, 16);
    const std::int64_t divisor =
        cdv == 0 ? *factor : oracle::Wrap32(oracle::Wrap32((cdv + 1) * *factor) * 2);
    if (divisor == 0) {
        FUZZ_CHECK(!result && result.error() == quarvel::CalcError::CdvInvalid);
        return 0;
    }
    FUZZ_CHECK(result.has_value());
    FUZZ_CHECK(*result == oracle::Decimal(clockValue / divisor));
    return 0;
}
