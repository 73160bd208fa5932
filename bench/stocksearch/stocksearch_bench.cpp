// A stock search answer of 100,000 rows and 35 columns, from the bytes on the
// socket to a loaded dataset through the client's own connection and proxy,
// against the plain transfer of the same bytes plus simdjson's raw parse and
// walk. Both run in the same iterations; the counters report the ratio.
#include "stockpacketserver.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/tablecodec.h"
#include "server/proxim.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <httplib.h>
#include <simdjson.h>

#include <chrono>
#include <thread>

namespace {

constexpr int kRows = 100000;

void BM_StockSearchAgainstPlainTransfer(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    StockPacketServer server(kRows);

    dsclient::DSConnection connection;
    connection.setHostName("127.0.0.1");
    connection.setPort(QString::number(server.port()));
    connection.open();
    ClientDataSet stok;

    const std::string url =
        "http://127.0.0.1:" + std::to_string(server.port()) + "/datasnap/rest/TServerMethods1/StokAraGetir";
    CURL* curl = curl_easy_init();
    std::string body;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "{\"_parameters\":[\"ABC\",null]}");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CollectBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    simdjson::dom::parser parser;

    double client = 0, plain = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        {
            TServerMethods1Client proxy(connection);
            stok.setData(proxy.StokAraGetir(QStringLiteral("ABC"), nullptr));
        }
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(PlainTransferAndParse(curl, parser, body));
        const auto t2 = Clock::now();
        client += std::chrono::duration<double>(t1 - t0).count();
        plain += std::chrono::duration<double>(t2 - t1).count();
        if (stok.recordCount() != kRows)
            state.SkipWithError("the dataset did not receive every row");
    }
    curl_easy_cleanup(curl);
    const double n = double(state.iterations());
    state.counters["MB"] = double(server.answerSize()) / 1e6;
    state.counters["client_ms"] = client * 1000 / n;
    state.counters["plain_ms"] = plain * 1000 / n;
    state.counters["ratio"] = client / plain;
}

} // namespace

BENCHMARK(BM_StockSearchAgainstPlainTransfer)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
