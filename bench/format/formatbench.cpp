// Formatting money values with the display pattern against the C library's plain
// two-decimal conversion of the same values.
#include "platform/format/formatfloat.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kValueCount = 1'000'000;

const std::vector<double>& moneyValues()
{
    static const std::vector<double> values = [] {
        std::mt19937_64 random(20240501);
        std::uniform_int_distribution<long long> cents(-5'000'000, 500'000'000);
        std::vector<double> v(kValueCount);
        for (double& value : v)
            value = double(cents(random)) / 100.0 * 1.18; // VAT makes them untidy
        return v;
    }();
    return values;
}

void BM_Snprintf(benchmark::State& state)
{
    const auto& values = moneyValues();
    char text[64];
    for (auto _ : state) {
        for (double value : values) {
            const int n = std::snprintf(text, sizeof text, "%.2f", value);
            benchmark::DoNotOptimize(n);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * kValueCount);
}

void BM_FormatFloatMoney(benchmark::State& state)
{
    const auto& values = moneyValues();
    const QString pattern = QString::fromLatin1(kMoneyFormat);
    const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    for (auto _ : state) {
        for (double value : values) {
            QString text = FormatFloat(pattern, value, locale);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * kValueCount);
}

// Both in one run: the ratio of the money formatter's time to snprintf's.
void BM_MoneyToSnprintfRatio(benchmark::State& state)
{
    const auto& values = moneyValues();
    const QString pattern = QString::fromLatin1(kMoneyFormat);
    const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    double formatSeconds = 0;
    double plainSeconds = 0;
    char text[64];
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        for (double value : values) {
            QString formatted = FormatFloat(pattern, value, locale);
            benchmark::DoNotOptimize(formatted);
        }
        auto middle = std::chrono::steady_clock::now();
        for (double value : values) {
            const int n = std::snprintf(text, sizeof text, "%.2f", value);
            benchmark::DoNotOptimize(n);
            benchmark::DoNotOptimize(text);
        }
        auto end = std::chrono::steady_clock::now();
        formatSeconds += std::chrono::duration<double>(middle - start).count();
        plainSeconds += std::chrono::duration<double>(end - middle).count();
    }
    state.counters["format_ns"] = formatSeconds * 1e9 / (state.iterations() * double(kValueCount));
    state.counters["snprintf_ns"] = plainSeconds * 1e9 / (state.iterations() * double(kValueCount));
    state.counters["ratio"] = formatSeconds / plainSeconds;
}

void BM_RoundTwoDecimals(benchmark::State& state)
{
    const auto& values = moneyValues();
    const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    for (auto _ : state) {
        for (double value : values)
            benchmark::DoNotOptimize(RoundTwoDecimals(value, locale));
    }
    state.SetItemsProcessed(state.iterations() * kValueCount);
}

} // namespace

BENCHMARK(BM_Snprintf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatFloatMoney)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoneyToSnprintfRatio)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoundTwoDecimals)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
