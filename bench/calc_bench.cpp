// Speed of the calculator's hot paths. Goals: ReadNumber("3686400") within 10 ns, CalculateCdv on
// the form's defaults within 20 ns.
#include <benchmark/benchmark.h>

#include <string_view>

#include "calc/calculator.h"

namespace {

using quarvel::PrescalerChoice;

void ReadNumberText(benchmark::State& state, std::string_view text, int base) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(quarvel::ReadNumber(text, base));
    }
}
BENCHMARK_CAPTURE(ReadNumberText, clock_3686400, std::string_view("3686400"), 10);
BENCHMARK_CAPTURE(ReadNumberText, mmcrh_0x06000600, std::string_view("0x06000600"), 16);
BENCHMARK_CAPTURE(ReadNumberText, full_19_characters, std::string_view("  -99999999999999999"), 10);

void CalculateCdv(benchmark::State& state, std::string_view clock, int baudIndex,
                  std::string_view typed, PrescalerChoice prescaler, std::string_view mmcrh,
                  int clockSource) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(clock);
        benchmark::DoNotOptimize(
            quarvel::CalculateCdv(clock, baudIndex, typed, prescaler, mmcrh, clockSource));
    }
}
BENCHMARK_CAPTURE(CalculateCdv, form_defaults, std::string_view("3686400"), 6, std::string_view(),
                  PrescalerChoice::PrescalerX8, std::string_view(), 0);
BENCHMARK_CAPTURE(CalculateCdv, other_rate_mmcrh_other_clock, std::string_view("133000000"), 10,
                  std::string_view("115200"), PrescalerChoice::PrescalerMmcrh,
                  std::string_view("02000200"), 3);
BENCHMARK_CAPTURE(CalculateCdv, failure_cdv_invalid, std::string_view("0"), 6, std::string_view(),
                  PrescalerChoice::PrescalerX8, std::string_view(), 0);

void CalculateBaudRate(benchmark::State& state, std::string_view clock, std::string_view cdv,
                       PrescalerChoice prescaler, std::string_view mmcrh) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(clock);
        benchmark::DoNotOptimize(quarvel::CalculateBaudRate(clock, cdv, prescaler, mmcrh));
    }
}
BENCHMARK_CAPTURE(CalculateBaudRate, form_defaults_cdv_1, std::string_view("3686400"),
                  std::string_view("1"), PrescalerChoice::PrescalerX8, std::string_view());
BENCHMARK_CAPTURE(CalculateBaudRate, mmcrh, std::string_view("133000000"), std::string_view("47"),
                  PrescalerChoice::PrescalerMmcrh, std::string_view("02000200"));

}  // namespace
