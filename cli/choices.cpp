#include "cli/choices.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>

#include "calc/bcr.h"
#include "calc/presets.h"
#include "cli/usage_error.h"

namespace quarvel::cli {
namespace {

constexpr std::array<std::string_view, kClockSourceCount> kClockSourceNames = {
    "BCLK_in", "TCLK", "SCLK0", "other clock"};

constexpr std::array<std::string_view, kOtherBaudIndex + 1> kBaudItemTexts = {
    "2400",   "4800",   "9600",   "19200",  "38400", "57600",
    "115200", "230400", "460800", "921600", "OTHER"};

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The text as a whole decimal integer, or nothing when it is not exactly one.
std::optional<long long> WholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

template <std::size_t N>
std::optional<int> FindName(const std::array<std::string_view, N>& names, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (EqualIgnoringCase(names[i], text)) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace

PrescalerChoice ParsePrescaler(std::string_view text) {
    constexpr std::array<std::string_view, 5> kNames = {"x1", "x8", "x16", "x32", "mmcrh"};
    if (const auto index = FindName(kNames, text)) return static_cast<PrescalerChoice>(*index);
    throw UsageError("unknown prescaler \"" + std::string(text) +
                     "\" (use x1, x8, x16, x32 or mmcrh)");
}

std::string_view PrescalerName(PrescalerChoice choice) {
    switch (choice) {
        case PrescalerChoice::PrescalerX1:
            return "x1";
        case PrescalerChoice::PrescalerX8:
            return "x8";
        case PrescalerChoice::PrescalerX16:
            return "x16";
        case PrescalerChoice::PrescalerX32:
            return "x32";
        case PrescalerChoice::PrescalerMmcrh:
            break;
    }
    return "mmcrh";
}

int ParseClockSource(std::string_view text) {
    if (const auto number = WholeNumber(text)) {
        if (*number >= 0 && *number < kClockSourceCount) return static_cast<int>(*number);
        throw UsageError("clock source " + std::string(text) + " is out of range (0 to 3)");
    }
    if (const auto index = FindName(kClockSourceNames, text)) return *index;
    throw UsageError("unknown clock source \"" + std::string(text) +
                     "\" (use 0 to 3, BCLK_in, TCLK, SCLK0 or \"other clock\")");
}

std::string_view ClockSourceName(int clockSourceIndex) {
    if (clockSourceIndex < 0 || clockSourceIndex >= kClockSourceCount) return "other clock";
    return kClockSourceNames[static_cast<std::size_t>(clockSourceIndex)];
}

int ParseBaudIndex(std::string_view text) {
    const auto number = WholeNumber(text);
    if (number && *number >= 0 && *number <= kOtherBaudIndex) return static_cast<int>(*number);
    if (const auto index = FindName(kBaudItemTexts, text)) return *index;
    throw UsageError("baud index " + std::string(text) +
                     " is out of range (0 to 10, or a list item: 2400 ... 921600, OTHER)");
}

std::string_view ClockSelectCodeName(unsigned code) {
    for (int index = 0; index < kClockSourceCount; ++index) {
        if (ClockSelectCode(index) == code)
            return kClockSourceNames[static_cast<std::size_t>(index)];
    }
    return {};
}

}  // namespace quarvel::cli
