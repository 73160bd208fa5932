#pragma once

#include "platform/dsclient/connectiondefaults.h"
#include "platform/dsclient/servercallresult.h"

#include <QJsonArray>
#include <QMap>
#include <QString>

#include <memory>

namespace dsclient {

class HttpSession;

// The connection to the application server: a parameter table as the DataSnap
// driver knows it, and a keep-alive HTTP session while open. Calls are
// POST http://HostName:Port/<DatasnapContext>rest/<Class>/<Method> with
// {"_parameters":[in0, ...]}, answered {"result":[out0, ..., return]} or
// {"error": text}. One thread at a time uses a connection; workers use clones.
class DSConnection {
public:
    // Names of the parameter table.
    static constexpr const char* kDriverName = "DriverName";
    static constexpr const char* kDriverUnit = "DriverUnit";
    static constexpr const char* kCommunicationProtocol = "CommunicationProtocol";
    static constexpr const char* kHostName = "HostName";
    static constexpr const char* kPort = "Port";
    static constexpr const char* kDatasnapContext = "DatasnapContext";
    static constexpr const char* kDSProxyPort = "DSProxyPort";

    // The published server class every catalogue method belongs to.
    static constexpr const char* kServerClass = "TServerMethods1";

    DSConnection();
    ~DSConnection();
    DSConnection(const DSConnection&) = delete;
    DSConnection& operator=(const DSConnection&) = delete;

    QString parameter(const QString& name) const { return parameters_.value(name); }
    void setParameter(const QString& name, const QString& value) { parameters_.insert(name, value); }
    const QMap<QString, QString>& parameters() const { return parameters_; }

    QString hostName() const { return parameter(kHostName); }
    void setHostName(const QString& host) { setParameter(kHostName, host); }
    QString port() const { return parameter(kPort); }
    void setPort(const QString& port) { setParameter(kPort, port); }
    // No login prompt and no DBX user name or password: the login is the program's own.
    bool loginPrompt() const { return false; }

    int connectTimeoutMs() const { return connectTimeoutMs_; }
    void setConnectTimeoutMs(int ms) { connectTimeoutMs_ = ms; }
    int responseTimeoutMs() const { return responseTimeoutMs_; }
    void setResponseTimeoutMs(int ms) { responseTimeoutMs_ = ms; }

    // A new, closed connection with the same parameters and time-outs; the
    // session is never shared.
    std::unique_ptr<DSConnection> clone() const;

    // Opens the session: it stands once a cheap EchoString has been answered
    // within the connect time-out. Throws ServerCallError (refused, silent or
    // non-protocol peer); the connection is then closed. Open already: nothing.
    void open();
    // Drops the session and its kept-alive TCP connection.
    void close();
    bool isOpen() const { return session_ != nullptr; }

    // Calls <kServerClass>.<method>, opening first when closed. A sent call is
    // never repeated. Throws ServerCallError; after a transport failure or a
    // garbled answer the connection is closed.
    ServerCallResult call(const QString& method, const QJsonArray& inputs = {});
    ServerCallResult call(const QString& className, const QString& method, const QJsonArray& inputs);

    // http://HostName:Port/<DatasnapContext>rest/
    QString restBaseUrl() const;

private:
    ServerCallResult post(const QString& className, const QString& method, const QJsonArray& inputs,
                          int totalTimeoutMs);

    QMap<QString, QString> parameters_;
    int connectTimeoutMs_ = kDefaultConnectTimeoutMs;
    int responseTimeoutMs_ = kDefaultResponseTimeoutMs;
    std::unique_ptr<HttpSession> session_;
};

} // namespace dsclient
