#include "server/reconnect.h"

#include "platform/dsclient/dsconnection.h"
#include "platform/os/waits.h"
#include "support/recordingserver.h"
#include "support/scriptedmessages.h"

#include <gtest/gtest.h>

#include <QTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using dsclient::DSConnection;
using testsupport::RecordingServer;

namespace {

const QString kMessage = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

// Records each requested wait instead of waiting; a hook may act at a given wait.
class RecordedWaits {
public:
    explicit RecordedWaits(std::function<void(int count)> atWait = {}) : atWait_(std::move(atWait))
    {
        waits::SetHandler([this](int ms) {
            waits_.push_back(ms);
            if (atWait_)
                atWait_(int(waits_.size()));
        });
    }
    ~RecordedWaits() { waits::SetHandler({}); }
    const std::vector<int>& waits() const { return waits_; }

private:
    std::function<void(int)> atWait_;
    std::vector<int> waits_;
};

void PointAt(DSConnection& connection, int port)
{
    connection.setHostName(QStringLiteral("127.0.0.1"));
    connection.setPort(QString::number(port));
    connection.setConnectTimeoutMs(1000);
}

} // namespace

TEST(ReconnectServer, GivesUpAfterElevenAttemptsAndShowsTheMessageOnlyWhenAsked)
{
    for (const bool showMessage : {false, true}) {
        SCOPED_TRACE(showMessage);
        ScriptedMessages messages;
        RecordedWaits waits;
        DSConnection connection;
        PointAt(connection, testsupport::UnusedPort());

        EXPECT_FALSE(ReconnectServer(connection, showMessage));

        EXPECT_EQ(waits.waits(), std::vector<int>(11, 500));  // a wait after every failed attempt
        EXPECT_FALSE(connection.isOpen());
        ASSERT_EQ(messages.count(), showMessage ? 1 : 0);
        if (showMessage) {
            EXPECT_EQ(messages.last().text, kMessage);
            EXPECT_EQ(messages.last().type, MsgDlgType::Error);
            EXPECT_EQ(messages.last().buttons, MsgDlgButtons(mbOK));
        }
    }
}

TEST(ReconnectServer, OpensOnTheFirstAttemptThatSucceeds)
{
    const int port = testsupport::UnusedPort();
    std::unique_ptr<RecordingServer> server;
    ScriptedMessages messages;
    // The server comes up during the third pause.
    RecordedWaits waits([&](int count) {
        if (count == 3)
            server = std::make_unique<RecordingServer>(port);
    });
    DSConnection connection;
    PointAt(connection, port);

    EXPECT_TRUE(ReconnectServer(connection, true));
    EXPECT_TRUE(connection.isOpen());
    EXPECT_EQ(waits.waits().size(), 3u);
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(server->requests("EchoString").size(), 1u);
}

TEST(ReconnectServer, ReopensAnOpenConnectionOnAFreshSession)
{
    RecordingServer server;
    RecordedWaits waits;
    DSConnection connection;
    PointAt(connection, server.port());
    connection.open();

    EXPECT_TRUE(ReconnectServer(connection, false));
    const auto echoes = server.requests("EchoString");
    ASSERT_EQ(echoes.size(), 2u);
    EXPECT_NE(echoes[0].connectionId, echoes[1].connectionId);
    EXPECT_TRUE(waits.waits().empty());
}

TEST(ReconnectServer, AWorkerHandsTheMessageToTheMainThreadAndWaits)
{
    ScriptedMessages messages;
    RecordedWaits waits;
    std::atomic<bool> finished{false};
    bool opened = true;
    std::thread worker([&] {
        DSConnection connection;
        PointAt(connection, testsupport::UnusedPort());
        opened = ReconnectServer(connection, true);
        finished = true;
    });
    // The main thread's event loop answers the hand-over.
    QTRY_VERIFY_WITH_TIMEOUT(finished.load(), 30000);
    worker.join();
    EXPECT_FALSE(opened);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().text, kMessage);
}
