#include "calc/prescaler.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/number_text.h"
#include "calc/presets.h"
#include "result_printing.h"

namespace quarvel {
namespace {

TEST(Presets, CoverExactlyTheListItems) {
    EXPECT_EQ(ClockPresetFrequency(0), 3686400);
    EXPECT_EQ(ClockPresetFrequency(1), 133000000);
    EXPECT_EQ(ClockPresetFrequency(2), 100000000);
    EXPECT_EQ(ClockPresetFrequency(3), 0);
    EXPECT_EQ(ClockPresetFrequency(-1), std::nullopt);
    EXPECT_EQ(ClockPresetFrequency(4), std::nullopt);

    const std::int32_t rates[] = {2400,  4800,   9600,   19200,  38400,
                                  57600, 115200, 230400, 460800, 921600};
    for (int index = 0; index < 10; ++index) {
        EXPECT_EQ(BaudPresetRate(index), rates[index]) << "index " << index;
    }
    EXPECT_EQ(BaudPresetRate(10), std::nullopt);
    EXPECT_EQ(BaudPresetRate(-1), std::nullopt);
    EXPECT_EQ(BaudPresetRate(11), std::nullopt);
}

struct MmcrhCase {
    std::string text;
    Result<std::int32_t> expected;
};

TEST(DecodeMmcrhPrescaler, AcceptsOnlyAgreeingDivideFields) {
    const MmcrhCase cases[] = {
        {"02000200", 8},
        {"04000400", 16},
        {"06000600", 32},
        {"ffffffff", 32},
        {"f9fff9ff", 1},
        {"", 1},
        {"0x02000200", 8},
        {"200", CalcError::RcdvTcdvMismatch},
        {"02000000", CalcError::RcdvTcdvMismatch},
        {"06000200", CalcError::RcdvTcdvMismatch},
        {"-1", 32},
    };
    for (const MmcrhCase& c : cases) {
        SCOPED_TRACE("MMCRH \"" + c.text + "\"");
        EXPECT_EQ(DecodeMmcrhPrescaler(ReadNumber(c.text, 16)), c.expected);
        EXPECT_EQ(ResolvePrescaler(PrescalerChoice::PrescalerMmcrh, c.text), c.expected);
    }
    EXPECT_EQ(MmcrhRcdv(0x06000200), 3);
    EXPECT_EQ(MmcrhTcdv(0x06000200), 1);
}

TEST(ResolvePrescaler, FixedChoicesIgnoreTheMmcrhText) {
    const std::pair<PrescalerChoice, std::int32_t> fixed[] = {
        {PrescalerChoice::PrescalerX1, 1},
        {PrescalerChoice::PrescalerX8, 8},
        {PrescalerChoice::PrescalerX16, 16},
        {PrescalerChoice::PrescalerX32, 32},
    };
    for (const auto& [choice, factor] : fixed) {
        EXPECT_EQ(ResolvePrescaler(choice, "200"), factor);
        EXPECT_EQ(ResolvePrescaler(choice, ""), factor);
    }
}

}  // namespace
}  // namespace quarvel
