#include "calltool.h"

#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/servercallerror.h"
#include "server/deployment.h"
#include "server/methodcatalogue.h"
#include "server/proxim.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace {

enum ExitCode { kOk = 0, kServerError = 1, kNoConnection = 2, kUsage = 3 };

const char* kUsageText = "usage: velkora-call [--server HOST:PORT] METHOD [ARG ...]\n"
                         "  each ARG is one input parameter as JSON, in the method's order\n";

// One argument as a JSON value: any JSON text, or a bare word taken as a text.
QJsonValue parseArgument(const QString& text, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(("[" + text + "]").toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError || doc.array().size() != 1) {
        *error = QStringLiteral("not a JSON value: %1").arg(text);
        return {};
    }
    return doc.array().at(0);
}

} // namespace

int RunCallTool(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList rest;
    QString problem;
    if (!applyOverrides(arguments, &problem)) {
        err << problem << "\n" << kUsageText;
        return kUsage;
    }
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--server" || a == "--web" || a == "--maker" || a == "--locale")
            ++i; // taken by applyOverrides
        else if (!a.startsWith("--"))
            rest << a;
    }
    if (rest.isEmpty()) {
        err << kUsageText;
        return kUsage;
    }
    const QString methodName = rest.takeFirst();
    const catalogue::Method* method = catalogue::FindMethod(methodName);
    if (!method) {
        err << "unknown method " << methodName << "\n";
        return kUsage;
    }
    QJsonArray inputs;
    for (const QString& text : rest) {
        const QJsonValue value = parseArgument(text, &problem);
        if (!problem.isEmpty()) {
            err << problem << "\n";
            return kUsage;
        }
        inputs.append(value);
    }

    dsclient::DSConnection connection;
    connection.setHostName(Deployment().serverHost);
    connection.setPort(QString::number(Deployment().serverPort));
    connection.setConnectTimeoutMs(Deployment().connectTimeoutMs);
    connection.setResponseTimeoutMs(Deployment().responseTimeoutMs);
    try {
        connection.open();
    } catch (const dsclient::ServerCallError& e) {
        err << "cannot connect to " << connection.restBaseUrl() << ": " << e.what() << "\n";
        return kNoConnection;
    }

    try {
        TServerMethods1Client proxy(connection);
        const MethodAnswer answer = proxy.Invoke(methodName, inputs);
        QJsonArray result;
        for (int i = 0; i < answer.count(); ++i)
            result.append(answer.json(i));
        out << QJsonDocument(QJsonObject{{"result", result}}).toJson(QJsonDocument::Compact) << "\n";
        return kOk;
    } catch (const std::invalid_argument& e) {
        err << e.what() << "\n";
        return kUsage;
    } catch (const dsclient::ServerCallError& e) {
        if (e.kind() == dsclient::ServerCallError::Kind::ServerError)
            err << e.serverText() << "\n";
        else
            err << e.what() << "\n";
        return kServerError;
    }
}
