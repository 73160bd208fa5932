#include "platform/dsclient/callbackchannel.h"
#include "platform/dsclient/dsconnection.h"
#include "support/recordingserver.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <mutex>

using dsclient::CallbackChannel;
using testsupport::RecordingServer;
using testsupport::ScriptedAnswer;

namespace {

const std::string kChannel = "DSAdmin/ConsumeClientChannel";
const std::string kPrefix = "/datasnap/rest/DSAdmin/ConsumeClientChannel/";

class RecordingCallback : public dsclient::NamedCallback {
public:
    RecordingCallback() : NamedCallback(QStringLiteral("Morvilo")) {}

    QJsonValue Execute(const QJsonValue& arg) override
    {
        std::lock_guard lock(mutex_);
        args_.append(arg);
        onMainThread_ = onMainThread_ || QThread::currentThread() == QCoreApplication::instance()->thread();
        return true;
    }
    QJsonArray args() const
    {
        std::lock_guard lock(mutex_);
        return args_;
    }
    bool ranOnMainThread() const
    {
        std::lock_guard lock(mutex_);
        return onMainThread_;
    }

private:
    mutable std::mutex mutex_;
    QJsonArray args_;
    bool onMainThread_ = false;
};

// "<channel>/<managerId>/<callbackId>/<channelNames>/<token>" split into its parts.
QStringList PathParts(const testsupport::RecordedRequest& request)
{
    return QString::fromStdString(request.path.substr(kPrefix.size())).split(QLatin1Char('/'));
}

QJsonValue ResponseData(const testsupport::RecordedRequest& request)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(request.body))
        .object()
        .value(QStringLiteral("_parameters"))
        .toArray()
        .at(0);
}

ScriptedAnswer Broadcast(int n)
{
    return ScriptedAnswer::Json(R"({"result":[{"broadcast":[{"n":)" + std::to_string(n) + R"(},"Morvilo"]}]})");
}

std::unique_ptr<CallbackChannel> ChannelTo(const RecordingServer& server)
{
    dsclient::DSConnection connection;
    connection.setHostName(QStringLiteral("127.0.0.1"));
    connection.setPort(QString::number(server.port()));
    auto settings = CallbackChannel::settingsFor(connection, QStringLiteral("Morvilo"), QStringLiteral("MorviloId"));
    settings.firstPauseMs = 10;
    settings.maxPauseMs = 40;
    return std::make_unique<CallbackChannel>(settings);
}

} // namespace

TEST(CallbackChannel, RegistersThenDeliversMessagesInOrderAndAnswersEach)
{
    RecordingServer server;
    server.setHold(kChannel, 20000);
    server.setDefault(kChannel, ScriptedAnswer::Json(R"({"result":[null]})"));
    auto callback = std::make_shared<RecordingCallback>();
    auto channel = ChannelTo(server);
    channel->registerCallback(callback);

    ASSERT_TRUE(server.waitForRequests(kChannel, 1));
    server.enqueue(kChannel, Broadcast(1));
    server.enqueue(kChannel, Broadcast(2));
    ASSERT_TRUE(server.waitForRequests(kChannel, 3));

    EXPECT_EQ(callback->args(), (QJsonArray{QJsonObject{{"n", 1}}, QJsonObject{{"n", 2}}}));
    EXPECT_FALSE(callback->ranOnMainThread());

    const auto polls = server.requests(kChannel);
    const QStringList registration = PathParts(polls[0]);
    ASSERT_EQ(registration.size(), 5);
    EXPECT_EQ(registration.mid(0, 4), (QStringList{"Morvilo", "MorviloId", "Morvilo", ""}));
    EXPECT_FALSE(registration[4].isEmpty());  // the security token
    EXPECT_EQ(ResponseData(polls[0]), QJsonValue(QString()));
    for (int i : {1, 2}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PathParts(polls[i]), (QStringList{"Morvilo", "MorviloId", "", "", registration[4]}));
        EXPECT_EQ(ResponseData(polls[i]), QJsonValue(true));  // the answer to message i
    }
}

TEST(CallbackChannel, RegistersAgainAfterTheChannelDrops)
{
    RecordingServer server;
    server.setHold(kChannel, 20000);
    auto callback = std::make_shared<RecordingCallback>();
    auto channel = ChannelTo(server);
    channel->registerCallback(callback);

    ASSERT_TRUE(server.waitForRequests(kChannel, 1));
    server.enqueue(kChannel, ScriptedAnswer::Closing(ScriptedAnswer::Ending::CloseWithoutAnswer));
    ASSERT_TRUE(server.waitForRequests(kChannel, 2));
    server.enqueue(kChannel, ScriptedAnswer::Json(R"({"result":[{"close":true}]})"));
    ASSERT_TRUE(server.waitForRequests(kChannel, 3));
    server.enqueue(kChannel, Broadcast(7));
    ASSERT_TRUE(server.waitForRequests(kChannel, 4));

    const auto polls = server.requests(kChannel);
    // Each drop is followed by a new registration with a new token.
    for (int i : {0, 1, 2}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PathParts(polls[i])[2], "Morvilo");
        EXPECT_EQ(ResponseData(polls[i]), QJsonValue(QString()));
    }
    EXPECT_NE(PathParts(polls[0])[4], PathParts(polls[1])[4]);
    EXPECT_EQ(callback->args(), (QJsonArray{QJsonObject{{"n", 7}}}));
    EXPECT_EQ(ResponseData(polls[3]), QJsonValue(true));
}

TEST(CallbackChannel, StopsPromptlyWhileAPollIsHeldOrNobodyListens)
{
    {
        RecordingServer server;
        server.setHold(kChannel, 60000);
        auto channel = ChannelTo(server);
        channel->registerCallback(std::make_shared<RecordingCallback>());
        ASSERT_TRUE(server.waitForRequests(kChannel, 1));
        channel.reset();  // must not wait for the held poll
    }
    {
        dsclient::CallbackChannelSettings settings;
        settings.hostName = QStringLiteral("127.0.0.1");
        settings.port = QString::number(testsupport::UnusedPort());
        settings.channelName = QStringLiteral("Morvilo");
        settings.managerId = QStringLiteral("MorviloId");
        settings.firstPauseMs = 60000;
        CallbackChannel channel(settings);
        channel.registerCallback(std::make_shared<RecordingCallback>());
    }  // destruction cuts the long pause short
}
