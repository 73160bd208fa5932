#pragma once

#include "server/methodcatalogue.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace appserver {

class Connection;
class ServerState;

// An error answered to the caller as {"error": text}; the server goes on.
class CallError : public std::runtime_error {
public:
    explicit CallError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The input parameters of one call, already checked against the catalogue's
// kinds, read by position.
class CallArgs {
public:
    CallArgs(const catalogue::Method& method, QJsonArray values) : FMethod(method), FValues(std::move(values)) {}

    QString text(int i) const { return FValues.at(i).toString(); }
    int int32(int i) const { return int(FValues.at(i).toDouble()); }
    qint64 int64(int i) const { return qint64(FValues.at(i).toDouble()); }
    double number(int i) const { return FValues.at(i).toDouble(); }
    bool boolean(int i) const { return FValues.at(i).toBool(); }
    // The "fields" object of a record parameter; empty when it was sent as null.
    QJsonObject fields(int i) const { return FValues.at(i).toObject().value("fields").toObject(); }
    bool isNull(int i) const { return FValues.at(i).isNull(); }
    const QJsonArray& values() const { return FValues; }
    // A record parameter decoded into its class R; a null parameter gives a
    // default record. A malformed record is the caller's error.
    template <class R>
    R record(int i) const
    {
        if (FValues.at(i).isNull())
            return R();
        try {
            return R::fromJson(FValues.at(i));
        } catch (const std::exception& e) {
            throw CallError(QString::fromStdString(e.what()));
        }
    }
    const catalogue::Method& method() const { return FMethod; }

private:
    const catalogue::Method& FMethod;
    QJsonArray FValues;
};

// What one handler gets: its arguments, a database connection for this call and
// the server's shared state.
struct CallContext {
    const CallArgs& args;
    Connection& db;
    ServerState& state;
};

// One element of an answer: a plain JSON value, or JSON text made by a codec
// (tables), put into the answer as it is.
struct RawJson {
    std::string text;
};
using AnswerValue = std::variant<QJsonValue, RawJson>;

// A handler answers the out parameters in catalogue order followed by the
// method's result (nothing for a procedure): the "result" array of the answer.
using Answer = std::vector<AnswerValue>;
using Handler = std::function<Answer(CallContext&)>;

// Handlers by method name; each family of methods registers its own.
using HandlerTable = std::map<QString, Handler>;

// Decodes one call's body against the catalogue, runs its handler and returns
// the answer body. Never throws: every failure becomes {"error": text}.
// `logLine` receives the line to log (method and parameters, passwords masked).
QByteArray AnswerCall(const QString& methodName, const QByteArray& body, const HandlerTable& handlers,
                      ServerState& state, QString* logLine);

// {"error": text}
QByteArray ErrorAnswer(const QString& text);

} // namespace appserver
