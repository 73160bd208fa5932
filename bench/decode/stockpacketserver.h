#pragma once

// What the stock-search benchmarks share: a loopback server answering every
// StokAraGetir with one generated stock packet, and the baseline every client
// is measured against (receive the bytes, parse them, visit every value).
#include "stocktable.h"

#include "platform/dsclient/tablecodec.h"

#include <curl/curl.h>
#include <httplib.h>
#include <simdjson.h>

#include <string>
#include <thread>

class StockPacketServer {
public:
    explicit StockPacketServer(int rows)
    {
        answer_ = "{\"result\":[" + dsclient::encodeTable(makeStockTable(rows)) + "]}";
        server_.Post("/datasnap/rest/TServerMethods1/StokAraGetir",
                     [this](const httplib::Request&, httplib::Response& res) {
                         res.set_content(answer_, "application/json");
                     });
        // EchoString lets connections open.
        server_.Post("/datasnap/rest/TServerMethods1/EchoString",
                     [](const httplib::Request&, httplib::Response& res) {
                         res.set_content("{\"result\":[\"ping\"]}", "application/json");
                     });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::yield();
    }
    ~StockPacketServer()
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

inline size_t CollectBody(char* data, size_t size, size_t count, void* target)
{
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

inline size_t PlainTransferAndParse(CURL* curl, simdjson::dom::parser& parser, std::string& body)
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
