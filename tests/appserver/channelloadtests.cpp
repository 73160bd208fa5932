#include "runningserver.h"

#include "callbackhub.h"
#include "commands.h"
#include "serverstate.h"

#include <QElapsedTimer>

#include <atomic>
#include <future>

using namespace testkit;

namespace {

// One long poll on the channel as the client makes it.
QJsonValue poll(int port, const std::string& callbackId, const std::string& token)
{
    httplib::Client http("127.0.0.1", port);
    http.set_read_timeout(60);
    auto res = http.Post(("/datasnap/rest/DSAdmin/ConsumeClientChannel/Morvilo/MorviloId/" + callbackId + "//" + token).c_str(),
                         R"({"_parameters":[""]})", "application/json");
    if (!res)
        return QJsonValue("<no answer>");
    return QJsonDocument::fromJson(QByteArray::fromStdString(res->body)).object().value("result").toArray().at(0);
}

TEST(AppServerChannel, ABroadcastReachesEveryClientSharingTheManagerId)
{
    RunningServer s;
    auto first = std::async(std::launch::async, [&] { return poll(s.port(), "Morvilo", "token-1"); });
    auto second = std::async(std::launch::async, [&] { return poll(s.port(), "Morvilo", "token-2"); });
    // Both are registered once their polls are held.
    for (int i = 0; i < 200 && s.server().state().callbacks().clientCount() < 2; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_EQ(s.server().state().callbacks().clientCount(), 2);
    EXPECT_EQ(appserver::SendNotify(s.port(), "yenile"), 2);
    for (auto* f : {&first, &second}) {
        ASSERT_EQ(f->wait_for(std::chrono::seconds(30)), std::future_status::ready);
        EXPECT_EQ(f->get().toObject().value("broadcast").toArray().at(0).toString(), "yenile");
    }
    // A message sent between two polls waits for the next one.
    EXPECT_EQ(appserver::SendNotify(s.port(), "ikinci"), 2);
    EXPECT_EQ(poll(s.port(), "", "token-1").toObject().value("broadcast").toArray().at(0).toString(), "ikinci");
}

TEST(AppServerLoad, EightClientsMixingReadsAndBasketChanges)
{
    RunningServer s;
    constexpr int kClients = 8, kRounds = 25;
    std::atomic<int> errors{0}, calls{0};
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            Caller call(s.port());
            const int carino = 10 + c;
            auto ok = [&](const QJsonObject& a) {
                ++calls;
                if (!a.contains("result"))
                    ++errors;
            };
            ok(call.answer("SepetHepsiniSil", {LoginOf(carino)}));
            for (int r = 0; r < kRounds; ++r) {
                ok(call.answer("SepetEkle2", {LoginOf(carino), carino, 1 + (c * kRounds + r) % 2400, "VK", "Parça",
                                              1.0 + r % 3, 20.0, 10.0, 0.0, 1, 0, 0.0, 0.0, 0.0}));
                ok(call.answer("StokAraGetir", {r % 2 ? "FILTRE" : "AMORTISOR", LoginOf(carino)}));
                ok(call.answer("SepetVer2", {carino}));
                ok(call.answer("OncekiSiparisler", {carino}));
            }
        });
    }
    for (auto& t : clients)
        t.join();
    const double seconds = timer.elapsed() / 1000.0;
    std::printf("load: %d calls in %.2f s, %.0f calls per second\n", calls.load(), seconds, calls / seconds);
    EXPECT_EQ(errors.load(), 0);
    Caller check(s.port());
    for (int c = 0; c < kClients; ++c)
        EXPECT_EQ(check.table("SepetVer2", {10 + c}).rowCount(), kRounds) << "customer " << 10 + c;
}

} // namespace
