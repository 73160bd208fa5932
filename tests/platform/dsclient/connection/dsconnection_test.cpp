#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/servercallerror.h"
#include "support/recordingserver.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

using dsclient::DSConnection;
using dsclient::ServerCallError;
using testsupport::RecordingServer;
using testsupport::ScriptedAnswer;
using Kind = ServerCallError::Kind;
using Ending = ScriptedAnswer::Ending;

namespace {

std::unique_ptr<DSConnection> ConnectionTo(int port)
{
    auto connection = std::make_unique<DSConnection>();
    connection->setHostName(QStringLiteral("127.0.0.1"));
    connection->setPort(QString::number(port));
    connection->setConnectTimeoutMs(2000);
    connection->setResponseTimeoutMs(5000);
    return connection;
}

template <typename Action>
ServerCallError::Kind FailureOf(Action action)
{
    try {
        action();
    } catch (const ServerCallError& error) {
        EXPECT_GT(std::strlen(error.what()), 10u);
        return error.kind();
    }
    ADD_FAILURE() << "no ServerCallError";
    return Kind::Cancelled;
}

QJsonObject BodyOf(const testsupport::RecordedRequest& request)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
}

} // namespace

TEST(DSConnection, CarriesTheDriverParameters)
{
    DSConnection connection;
    EXPECT_EQ(connection.parameter("DriverName"), "DataSnap");
    EXPECT_EQ(connection.parameter("CommunicationProtocol"), "tcp/ip");
    EXPECT_EQ(connection.parameter("DatasnapContext"), "datasnap/");
    EXPECT_EQ(connection.parameter("DSProxyPort"), "8090");
    EXPECT_FALSE(connection.loginPrompt());
    EXPECT_FALSE(connection.isOpen());

    connection.setHostName("b2b.example.test");
    connection.setPort("9191");
    connection.setResponseTimeoutMs(777);
    const auto copy = connection.clone();
    EXPECT_EQ(copy->parameters(), connection.parameters());
    EXPECT_EQ(copy->responseTimeoutMs(), 777);
    EXPECT_EQ(copy->restBaseUrl(), "http://b2b.example.test:9191/datasnap/rest/");
}

TEST(DSConnection, SendsInputsInOrderAndReadsOutputsThenResult)
{
    RecordingServer server;
    server.enqueue("ResimVer5", ScriptedAnswer::Json(R"({"result":[1234,"QUJD"]})"));
    auto connection = ConnectionTo(server.port());

    connection->open();
    ASSERT_TRUE(connection->isOpen());
    const auto result = connection->call("ResimVer5", QJsonArray{77, "Ş metin", QJsonValue::Null, 2.5});

    EXPECT_EQ(result.count(), 2);
    EXPECT_EQ(result.value(0).toInteger(), 1234);
    EXPECT_EQ(result.returnValue().toString(), "QUJD");
    const auto calls = server.requests("ResimVer5");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].httpMethod, "POST");
    EXPECT_EQ(calls[0].path, "/datasnap/rest/TServerMethods1/ResimVer5");
    EXPECT_EQ(BodyOf(calls[0]).value("_parameters").toArray(), (QJsonArray{77, "Ş metin", QJsonValue::Null, 2.5}));
}

TEST(DSConnection, OpenFailsAgainstPeersThatDoNotSpeakTheProtocol)
{
    {
        auto connection = ConnectionTo(testsupport::UnusedPort());
        EXPECT_EQ(FailureOf([&] { connection->open(); }), Kind::ConnectionRefused);
        EXPECT_FALSE(connection->isOpen());
    }
    {
        testsupport::SilentPeer silent;
        auto connection = ConnectionTo(silent.port());
        connection->setConnectTimeoutMs(300);
        EXPECT_EQ(FailureOf([&] { connection->open(); }), Kind::Timeout);
        EXPECT_FALSE(connection->isOpen());
    }
    {
        RecordingServer server;
        server.setDefault("EchoString", ScriptedAnswer::Html());
        auto connection = ConnectionTo(server.port());
        EXPECT_EQ(FailureOf([&] { connection->open(); }), Kind::BadAnswer);
        EXPECT_FALSE(connection->isOpen());
    }
}

TEST(DSConnection, EveryFaultyAnswerEndsInAClearError)
{
    struct Case {
        const char* name;
        ScriptedAnswer answer;
        Kind expected;
    };
    const std::vector<Case> cases = {
        {"closes mid-answer", ScriptedAnswer::Closing(Ending::CloseMidAnswer, R"({"result":["a long enough answer"]})"),
         Kind::ConnectionDropped},
        {"answers HTML", ScriptedAnswer::Html(), Kind::BadAnswer},
        {"truncated JSON", ScriptedAnswer::Json(R"({"result":[{"table":[["A",6)"), Kind::BadAnswer},
        {"result is no array", ScriptedAnswer::Json(R"({"result":{"a":1}})"), Kind::BadAnswer},
        {"neither result nor error", ScriptedAnswer::Json(R"({"ok":true})"), Kind::BadAnswer},
        {"error status with HTML", ScriptedAnswer::Json("<h1>Internal Server Error</h1>", 500), Kind::BadAnswer},
        {"too slow", ScriptedAnswer::Delayed(R"({"result":[1]})", 5000), Kind::Timeout},
        {"server error", ScriptedAnswer::Error("Sepet kilitli"), Kind::ServerError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingServer server;
        server.enqueue("SepetVer2", c.answer);
        auto connection = ConnectionTo(server.port());
        connection->setResponseTimeoutMs(300);
        connection->open();
        EXPECT_EQ(FailureOf([&] { connection->call("SepetVer2", {1}); }), c.expected);
        // Only a server's own error leaves the session standing.
        EXPECT_EQ(connection->isOpen(), c.expected == Kind::ServerError);
        EXPECT_EQ(server.requests("SepetVer2").size(), 1u);
    }
}

TEST(DSConnection, ServerErrorTextReachesTheCaller)
{
    RecordingServer server;
    server.enqueue("SepetEkle2", ScriptedAnswer::Error("Stok kartı bulunamadı"));
    auto connection = ConnectionTo(server.port());
    try {
        connection->call("SepetEkle2", {});
        FAIL();
    } catch (const ServerCallError& error) {
        EXPECT_EQ(error.serverText(), QStringLiteral("Stok kartı bulunamadı"));
    }
}

TEST(DSConnection, KeepsOneTcpConnectionWhileOpenAndNeverSharesIt)
{
    RecordingServer server;
    auto connection = ConnectionTo(server.port());
    connection->open();
    connection->call("KargoVer");
    connection->call("TeslimVer");
    const auto clone = connection->clone();
    EXPECT_FALSE(clone->isOpen());
    clone->call("KargoVer");  // opens by itself
    connection->close();
    EXPECT_FALSE(connection->isOpen());
    connection->call("KargoVer");

    const auto all = server.requests();
    ASSERT_EQ(all.size(), 7u);  // echo, 2 calls; clone: echo, call; reopen: echo, call
    const int first = all[0].connectionId;
    EXPECT_EQ(all[1].connectionId, first);
    EXPECT_EQ(all[2].connectionId, first);
    EXPECT_NE(all[3].connectionId, first);
    EXPECT_EQ(all[4].connectionId, all[3].connectionId);
    EXPECT_NE(all[5].connectionId, first);
    EXPECT_EQ(all[6].connectionId, all[5].connectionId);
}

// The order must never be placed twice: the server reads the call on the kept-alive
// connection and closes it without answering. A client that silently repeats the
// request on a fresh connection would deliver it a second time.
TEST(DSConnection, ACallIsNeverSentTwiceWhenItsKeptAliveConnectionDies)
{
    RecordingServer server;
    server.enqueue("SiparisKaydet", ScriptedAnswer::Closing(Ending::CloseWithoutAnswer));
    auto connection = ConnectionTo(server.port());
    connection->open();

    EXPECT_EQ(FailureOf([&] { connection->call("SiparisKaydet", {1, 2}); }), Kind::ConnectionDropped);

    const auto calls = server.requests("SiparisKaydet");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].connectionId, server.requests("EchoString").at(0).connectionId);
    EXPECT_FALSE(connection->isOpen());

    // The connection opens again for the next call.
    server.enqueue("SiparisKaydet", ScriptedAnswer::Json(R"({"result":[true]})"));
    EXPECT_TRUE(connection->call("SiparisKaydet", {1, 2}).returnValue().toBool());
    EXPECT_EQ(server.requests("SiparisKaydet").size(), 2u);
}

TEST(DSConnection, RefusesNamesThatAreNoIdentifiers)
{
    DSConnection connection;
    EXPECT_THROW(connection.call("../DSAdmin/x", {}), std::invalid_argument);
    EXPECT_THROW(connection.call("Kargo Ver", {}), std::invalid_argument);
}
