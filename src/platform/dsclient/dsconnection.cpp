#include "platform/dsclient/dsconnection.h"

#include "platform/dsclient/httpsession.h"
#include "platform/dsclient/servercallerror.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace dsclient {

namespace {

using Kind = ServerCallError::Kind;

// Class and method names become path segments: only plain identifiers pass.
void CheckName(const QString& name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch())
        throw std::invalid_argument("not a server class or method name: " + name.toStdString());
}

} // namespace

DSConnection::DSConnection()
{
    parameters_ = {
        {kDriverName, QStringLiteral("DataSnap")},
        {kDriverUnit, QStringLiteral("Data.DBXDataSnap")},
        {kCommunicationProtocol, QStringLiteral("tcp/ip")},
        {kHostName, QStringLiteral("localhost")},
        {kPort, QStringLiteral("9090")},
        {kDatasnapContext, QStringLiteral("datasnap/")},
        {kDSProxyPort, QStringLiteral("8090")},
    };
}

DSConnection::~DSConnection() = default;

std::unique_ptr<DSConnection> DSConnection::clone() const
{
    auto copy = std::make_unique<DSConnection>();
    copy->parameters_ = parameters_;
    copy->connectTimeoutMs_ = connectTimeoutMs_;
    copy->responseTimeoutMs_ = responseTimeoutMs_;
    return copy;
}

QString DSConnection::restBaseUrl() const
{
    QString context = parameter(kDatasnapContext);
    if (!context.isEmpty() && !context.endsWith(QLatin1Char('/')))
        context += QLatin1Char('/');
    if (context.startsWith(QLatin1Char('/')))
        context.remove(0, 1);
    return QStringLiteral("http://%1:%2/%3rest/").arg(hostName(), port(), context);
}

void DSConnection::open()
{
    if (isOpen())
        return;
    session_ = std::make_unique<HttpSession>();
    try {
        post(QString::fromLatin1(kServerClass), QStringLiteral("EchoString"),
             QJsonArray{QStringLiteral("velkora")}, connectTimeoutMs_);
    } catch (...) {
        close();
        throw;
    }
}

void DSConnection::close()
{
    session_.reset();
}

ServerCallResult DSConnection::call(const QString& method, const QJsonArray& inputs)
{
    return call(QString::fromLatin1(kServerClass), method, inputs);
}

ServerCallResult DSConnection::call(const QString& className, const QString& method,
                                    const QJsonArray& inputs)
{
    CheckName(className);
    CheckName(method);
    open();
    try {
        return post(className, method, inputs, responseTimeoutMs_);
    } catch (const ServerCallError& error) {
        if (error.kind() != Kind::ServerError)
            close();
        throw;
    }
}

ServerCallResult DSConnection::post(const QString& className, const QString& method,
                                    const QJsonArray& inputs, int totalTimeoutMs)
{
    const QString url = restBaseUrl() + className + QLatin1Char('/') + method;
    const QByteArray body =
        QJsonDocument(QJsonObject{{QStringLiteral("_parameters"), inputs}}).toJson(QJsonDocument::Compact);
    HttpSession::Answer answer =
        session_->post(url.toStdString(), body, connectTimeoutMs_, totalTimeoutMs);
    if (answer.status == 200)
        return ServerCallResult(std::move(answer.paddedBody), answer.bodySize);

    // Failures come as {"error": text} with an error status; anything else is no protocol answer.
    const QString shown =
        QString::fromUtf8(answer.paddedBody.data(), qsizetype(std::min<std::size_t>(answer.bodySize, 80)));
    try {
        ServerCallResult unexpected(std::move(answer.paddedBody), answer.bodySize);
    } catch (const ServerCallError& error) {
        if (error.kind() == Kind::ServerError)
            throw;
    }
    throw ServerCallError(Kind::BadAnswer, QStringLiteral("HTTP status %1 from %2: %3")
                                               .arg(answer.status)
                                               .arg(url, shown));
}

} // namespace dsclient
