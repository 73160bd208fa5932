// A stock search of 50,000 rows in the real main window, from Enter in the
// search box to the grid attached again with its caption, against the plain
// transfer of the same answer plus simdjson's raw parse and walk, in the same
// iterations. A timer on the main thread meanwhile measures the longest gap
// between its ticks: the longest time the window could not react.
#include "stockpacketserver.h"

#include "app/tform1.h"
#include "catalogue/stocklisttab.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/tablecodec.h"
#include "platform/grid/datagrid.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <httplib.h>
#include <simdjson.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <thread>

namespace {

constexpr int kRows = 50000;

// The longest gap between ticks of a 1 ms timer on the main thread.
class StallProbe {
public:
    StallProbe()
    {
        timer_.setInterval(1);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, clock_.restart());
        });
    }
    void start()
    {
        clock_.start();
        timer_.start();
    }
    void stop()
    {
        timer_.stop();
        longest_ = std::max(longest_, clock_.elapsed());
    }
    qint64 longestMs() const { return longest_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

void BM_StockTabSearchAgainstPlainTransfer(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    StockPacketServer server(kRows);

    TForm1 window;
    window.bagc->setHostName(QStringLiteral("127.0.0.1"));
    window.bagc->setPort(QString::number(server.port()));
    window.setWindowState(Qt::WindowNoState);
    window.resize(1000, 800); // narrow: the price summary is drawn for every visible row
    window.show();
    StockListTab* tab = window.stockListTab;

    const std::string url =
        "http://127.0.0.1:" + std::to_string(server.port()) + "/datasnap/rest/TServerMethods1/StokAraGetir";
    CURL* curl = curl_easy_init();
    std::string body;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "{\"_parameters\":[\"FREN\",null]}");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CollectBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    simdjson::dom::parser parser;

    double client = 0, plain = 0;
    qint64 stall = 0;
    for (auto _ : state) {
        window.araedit->setText(QStringLiteral("FREN"));
        QEventLoop loop;
        bool failed = false;
        auto done = QObject::connect(tab, &StockListTab::searchFinished, &loop, [&](bool hata) {
            failed = hata;
            loop.quit();
        });
        StallProbe probe;
        probe.start();
        const auto t0 = Clock::now();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(window.araedit, &enter);
        loop.exec();
        // The first paint of the attached grid belongs to the search as well.
        window.repaint();
        const auto t1 = Clock::now();
        probe.stop();
        QObject::disconnect(done);
        stall = std::max(stall, probe.longestMs());

        benchmark::DoNotOptimize(PlainTransferAndParse(curl, parser, body));
        const auto t2 = Clock::now();
        client += std::chrono::duration<double>(t1 - t0).count();
        plain += std::chrono::duration<double>(t2 - t1).count();
        if (failed || tab->grid()->rowCount() != kRows)
            state.SkipWithError("the grid did not receive every row");
    }
    curl_easy_cleanup(curl);
    const double n = double(state.iterations());
    state.counters["MB"] = double(server.answerSize()) / 1e6;
    state.counters["search_ms"] = client * 1000 / n;
    state.counters["plain_ms"] = plain * 1000 / n;
    state.counters["ratio"] = client / plain;
    state.counters["longest_stall_ms"] = double(stall);
}

} // namespace

BENCHMARK(BM_StockTabSearchAgainstPlainTransfer)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
