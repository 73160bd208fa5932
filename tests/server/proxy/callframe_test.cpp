#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/servercallerror.h"
#include "platform/os/waits.h"
#include "server/callframe.h"
#include "server/proxim.h"
#include "support/recordingserver.h"
#include "support/scriptedmessages.h"

#include <gtest/gtest.h>

using dsclient::DSConnection;
using dsclient::ServerCallError;
using testsupport::RecordingServer;
using testsupport::ScriptedAnswer;

namespace {

class CallFrameTest : public ::testing::Test {
protected:
    CallFrameTest()
    {
        waits::SetHandler([this](int) { ++waits; });
        pointAt(server.port());
    }
    ~CallFrameTest() override { waits::SetHandler({}); }

    void pointAt(int port)
    {
        bagc.setHostName("127.0.0.1");
        bagc.setPort(QString::number(port));
        bagc.setConnectTimeoutMs(1000);
    }

    RecordingServer server;
    DSConnection bagc;
    ScriptedMessages messages;
    int waits = 0;
};

} // namespace

TEST_F(CallFrameTest, BackgroundFormWorksOnACloneAndLeavesTheMainConnectionAlone)
{
    QString answer;
    EXPECT_TRUE(CallInBackground(bagc, false, [&](TServerMethods1Client& proxy) { answer = proxy.EchoString("x"); }));
    EXPECT_EQ(answer, "x");
    EXPECT_FALSE(bagc.isOpen());
}

TEST_F(CallFrameTest, ForegroundFormClosesTheMainConnectionAfterTheCall)
{
    bool called = false;
    EXPECT_TRUE(CallInForeground(bagc, true, [&](TServerMethods1Client& proxy) {
        EXPECT_TRUE(bagc.isOpen());
        proxy.SepetSecimGuncelle(1, 1);
        called = true;
    }));
    EXPECT_TRUE(called);
    EXPECT_FALSE(bagc.isOpen());
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(CallFrameTest, AnUnreachableServerMakesNoCall)
{
    pointAt(testsupport::UnusedPort());
    bool called = false;
    const auto call = [&](TServerMethods1Client&) { called = true; };

    EXPECT_FALSE(CallInBackground(bagc, false, call));
    EXPECT_EQ(waits, 11);
    EXPECT_EQ(messages.count(), 0);

    EXPECT_FALSE(CallInForeground(bagc, true, call));
    EXPECT_EQ(messages.count(), 1);

    // A window's plain open tries once, without retries or message.
    waits = 0;
    EXPECT_FALSE(CallOnWindowConnection(bagc, WindowOpen::Plain, call));
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(messages.count(), 1);
    EXPECT_FALSE(called);
}

TEST_F(CallFrameTest, ErrorsOfTheCallReachTheCallerAndTheConnectionIsClosed)
{
    server.enqueue("SepetSayisi", ScriptedAnswer::Error("olmadı"));
    EXPECT_THROW(CallOnWindowConnection(bagc, WindowOpen::Plain,
                                        [](TServerMethods1Client& proxy) { proxy.SepetSayisi(nullptr); }),
                 ServerCallError);
    EXPECT_FALSE(bagc.isOpen());
}
