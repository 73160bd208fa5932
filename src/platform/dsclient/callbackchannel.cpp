#include "platform/dsclient/callbackchannel.h"

#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/httpsession.h"
#include "platform/dsclient/servercallerror.h"
#include "platform/dsclient/servercallresult.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUuid>

#include <optional>

namespace dsclient {

namespace {

QString Segment(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// The message's argument, or nothing for a keep-alive.
std::optional<QJsonValue> ArgumentOf(const QJsonValue& message)
{
    const QJsonObject object = message.toObject();
    if (object.contains(QStringLiteral("broadcast")))
        return object.value(QStringLiteral("broadcast")).toArray().at(0);
    if (object.contains(QStringLiteral("invoke")))
        return object.value(QStringLiteral("invoke")).toArray().at(1);
    return std::nullopt;
}

} // namespace

CallbackChannel::CallbackChannel(CallbackChannelSettings settings) : settings_(std::move(settings)) {}

CallbackChannel::~CallbackChannel()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        if (running_)
            running_->cancel();
    }
    stopRequested_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

CallbackChannelSettings CallbackChannel::settingsFor(const DSConnection& connection, const QString& channelName,
                                                     const QString& managerId)
{
    CallbackChannelSettings settings;
    settings.hostName = connection.hostName();
    settings.port = connection.port();
    settings.datasnapContext = connection.parameter(DSConnection::kDatasnapContext);
    settings.connectTimeoutMs = connection.connectTimeoutMs();
    settings.channelName = channelName;
    settings.managerId = managerId;
    return settings;
}

void CallbackChannel::registerCallback(std::shared_ptr<NamedCallback> callback)
{
    if (thread_.joinable())
        throw std::logic_error("the channel already has its callback");
    callback_ = std::move(callback);
    thread_ = std::thread([this] { run(); });
}

bool CallbackChannel::pause(int ms)
{
    std::unique_lock lock(mutex_);
    return !stopRequested_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopping_; });
}

void CallbackChannel::run()
{
    int pauseMs = settings_.firstPauseMs;
    for (;;) {
        HttpSession session;
        {
            std::lock_guard lock(mutex_);
            if (stopping_)
                return;
            running_ = &session;
        }
        bool cancelled = false;
        bool answered = false;
        try {
            consume(session, answered);
        } catch (const ServerCallError& error) {
            cancelled = error.kind() == ServerCallError::Kind::Cancelled;
        } catch (const std::exception&) {
            // a garbled poll answer: register again like after a drop
        }
        {
            std::lock_guard lock(mutex_);
            running_ = nullptr;
            if (stopping_)
                return;
        }
        if (cancelled)
            return;
        // A channel that stood for a while starts again with the short pause.
        if (answered)
            pauseMs = settings_.firstPauseMs;
        if (!pause(pauseMs))
            return;
        pauseMs = std::min(pauseMs * 2, settings_.maxPauseMs);
    }
}

// One registration: polls until the channel closes or breaks (by exception).
void CallbackChannel::consume(HttpSession& session, bool& answered)
{
    QString context = settings_.datasnapContext;
    if (!context.isEmpty() && !context.endsWith(QLatin1Char('/')))
        context += QLatin1Char('/');
    const QString base = QStringLiteral("http://%1:%2/%3rest/DSAdmin/ConsumeClientChannel/")
                             .arg(settings_.hostName, settings_.port, context);
    const QString token = QUuid::createUuid().toString(QUuid::WithoutBraces);

    QString callbackId = callback_->name();
    QJsonValue responseData = QStringLiteral("");
    for (;;) {
        const QString url = base + Segment(settings_.channelName) + QLatin1Char('/') + Segment(settings_.managerId)
                            + QLatin1Char('/') + Segment(callbackId) + QStringLiteral("//") + Segment(token);
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("_parameters"), QJsonArray{responseData}}})
                                    .toJson(QJsonDocument::Compact);
        HttpSession::Answer answer =
            session.post(url.toStdString(), body, settings_.connectTimeoutMs, settings_.pollTimeoutMs);
        if (answer.status != 200)
            throw ServerCallError(ServerCallError::Kind::BadAnswer,
                                  QStringLiteral("the channel poll was answered with HTTP status %1").arg(answer.status));
        const ServerCallResult result(std::move(answer.paddedBody), answer.bodySize);
        answered = true;
        const QJsonValue message = result.count() > 0 ? result.value(0) : QJsonValue();
        callbackId.clear();

        if (message.toObject().value(QStringLiteral("close")).toBool())
            throw ServerCallError(ServerCallError::Kind::ConnectionDropped,
                                  QStringLiteral("the server closed the channel"));
        const std::optional<QJsonValue> arg = ArgumentOf(message);
        if (!arg) {
            responseData = QJsonValue::Null;
            continue;
        }
        try {
            responseData = callback_->Execute(*arg);
        } catch (const std::exception&) {
            responseData = false;  // a failing callback answers false and the channel goes on
        }
    }
}

} // namespace dsclient
