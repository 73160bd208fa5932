// A stock search answer of 100,000 rows and 35 columns, from the bytes on the
// socket to a loaded dataset through the client's own connection and proxy,
// against the plain transfer of the same bytes plus simdjson's raw parse and
// walk. Both run in the same iterations; the counters report the ratio.
#include "stocktable.h"

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

// An in-process server that answers every StokAraGetir with the same packet.
class PacketServer {
public:
    PacketServer()
    {
        std::string table = dsclient::encodeTable(makeStockTable(kRows));
        answer_ = "{\"result\":[" + table + "]}";
        server_.Post("/datasnap/rest/TServerMethods1/StokAraGetir",
                     [this](const httplib::Request&, httplib::Response& res) {
                         res.set_content(answer_, "application/json");
                     });
        server_.Post("/datasnap/rest/TServerMethods1/EchoString",
                     [](const httplib::Request& req, httplib::Response& res) {
                         res.set_content("{\"result\":[\"ping\"]}", "application/json");
                     });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::yield();
    }
    ~PacketServer()
    {
        server_.stop();
        thread_.join();
    }
    int port() const { return port_; }
    std::size_t answerSize() const { return answer_.size(); }

private:
    std::string answer_;
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
};

size_t collect(char* data, size_t size, size_t count, void* target)
{
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

// The least any client must do: receive the bytes, parse them, visit every value.
size_t plainTransferAndParse(CURL* curl, simdjson::dom::parser& parser, std::string& body)
{
    body.clear();
    curl_easy_perform(curl);
    simdjson::dom::element root = parser.parse(body);
    size_t touched = 0;
    for (simdjson::dom::element table : root["result"].get_array()) {
        for (auto field : table.get_object()) {
            for (simdjson::dom::element v : field.value.get_array()) {
                switch (v.type()) {
                case simdjson::dom::element_type::INT64: touched += size_t(int64_t(v)); break;
                case simdjson::dom::element_type::DOUBLE: touched += size_t(double(v)); break;
                case simdjson::dom::element_type::STRING: touched += std::string_view(v).size(); break;
                default: ++touched; break;
                }
            }
        }
    }
    return touched;
}

void BM_StockSearchAgainstPlainTransfer(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    PacketServer server;

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
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
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
        benchmark::DoNotOptimize(plainTransferAndParse(curl, parser, body));
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
