#include "calc/bcr.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvel {
namespace {

struct BcrCase {
    std::int32_t cdv;
    int clockSourceIndex;
    std::string expected;
};

TEST(ComposeBcrText, SetsBit16AndTheClockSelectCode) {
    const BcrCase cases[] = {
        {0x1, 0, "10001"},
        {0x47, 1, "210047"},
        {0x35, 2, "90035"},
        {0x1, 3, "???d0001"},
        {0x2ff, 3, "???d02ff"},
        {0x0, 0, "10000"},
        // CDV is not masked: it overlaps bit 16 and the select code.
        {0x1c1fff, 0, "1d1fff"},
        {0x10000, 1, "210000"},
        {-3, 0, "fffffffd"},
        {-1, 3, "???ffffffff"},
        // No selection in the clock list, or any index past it, composes as "other clock".
        {0x1, -1, "???d0001"},
        {0x1, 4, "???d0001"},
        {0x1, 1 << 30, "???d0001"},
    };
    for (const BcrCase& c : cases) {
        SCOPED_TRACE("CDV " + std::to_string(c.cdv) + " source " +
                     std::to_string(c.clockSourceIndex));
        EXPECT_EQ(ComposeBcrText(c.cdv, c.clockSourceIndex), c.expected);
    }
}

}  // namespace
}  // namespace quarvel
