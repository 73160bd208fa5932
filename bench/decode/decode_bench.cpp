// Decoding a large stock packet into a dataset, against simdjson's own parse and
// walk of the same bytes (every value touched). BM_DecodeAgainstRawParse reports
// the ratio of the two, measured in the same iterations.
#include "stocktable.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/tablecodec.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int kRows = 100000;

const std::string& packet()
{
    static const std::string text = dsclient::encodeTable(makeStockTable(kRows));
    return text;
}

// What any consumer of the bytes must do at least: parse, then visit every value.
size_t rawParseAndWalk(simdjson::dom::parser& parser, const std::string& text)
{
    simdjson::dom::element root = parser.parse(text);
    size_t touched = 0;
    for (auto field : root.get_object()) {
        for (simdjson::dom::element v : field.value.get_array()) {
            switch (v.type()) {
            case simdjson::dom::element_type::INT64: touched += size_t(int64_t(v)); break;
            case simdjson::dom::element_type::DOUBLE: touched += size_t(double(v)); break;
            case simdjson::dom::element_type::STRING: touched += std::string_view(v).size(); break;
            case simdjson::dom::element_type::BOOL: touched += bool(v); break;
            case simdjson::dom::element_type::ARRAY: touched += v.get_array().size(); break;
            default: ++touched; break;
            }
        }
    }
    return touched;
}

void BM_RawParseAndWalk(benchmark::State& state)
{
    const std::string& text = packet();
    simdjson::dom::parser parser;
    for (auto _ : state)
        benchmark::DoNotOptimize(rawParseAndWalk(parser, text));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void BM_DecodeIntoDataSet(benchmark::State& state)
{
    const std::string& text = packet();
    ClientDataSet ds;
    for (auto _ : state) {
        dsclient::loadTable(ds, text);
        benchmark::DoNotOptimize(ds.recordCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

// With a parser kept between calls by the caller.
void BM_DecodeElementIntoDataSet(benchmark::State& state)
{
    const std::string& text = packet();
    simdjson::dom::parser parser;
    ClientDataSet ds;
    for (auto _ : state) {
        ds.setData(dsclient::decodeTable(text, parser));
        benchmark::DoNotOptimize(ds.recordCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void BM_DecodeAgainstRawParse(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const std::string& text = packet();
    simdjson::dom::parser rawParser, decodeParser;
    ClientDataSet ds;
    double raw = 0, kept = 0, fresh = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(rawParseAndWalk(rawParser, text));
        const auto t1 = Clock::now();
        ds.setData(dsclient::decodeTable(text, decodeParser));
        const auto t2 = Clock::now();
        dsclient::loadTable(ds, text);
        const auto t3 = Clock::now();
        raw += std::chrono::duration<double>(t1 - t0).count();
        kept += std::chrono::duration<double>(t2 - t1).count();
        fresh += std::chrono::duration<double>(t3 - t2).count();
    }
    const double n = double(state.iterations());
    state.counters["MB"] = double(text.size()) / 1e6;
    state.counters["raw_ms"] = raw * 1000 / n;
    state.counters["decode_ms"] = kept * 1000 / n;
    state.counters["ratio"] = kept / raw;
    state.counters["fresh_parser_ms"] = fresh * 1000 / n;
    state.counters["fresh_ratio"] = fresh / raw;
}

void BM_Encode(benchmark::State& state)
{
    const DataTable table = makeStockTable(kRows);
    for (auto _ : state)
        benchmark::DoNotOptimize(dsclient::encodeTable(table).size());
}

} // namespace

BENCHMARK(BM_RawParseAndWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeIntoDataSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeElementIntoDataSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAgainstRawParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
