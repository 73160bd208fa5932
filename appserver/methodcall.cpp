#include "methodcall.h"

#include "calllog.h"
#include "database.h"
#include "serverstate.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>

namespace appserver {
namespace {

using catalogue::Direction;
using catalogue::Kind;

bool isIntegral(const QJsonValue& v, double lo, double hi)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    return std::isfinite(d) && std::floor(d) == d && d >= lo && d <= hi;
}

QString kindName(Kind k)
{
    switch (k) {
    case Kind::Text: return "text";
    case Kind::Int32: return "int32";
    case Kind::Int64: return "int64";
    case Kind::Double: return "double";
    case Kind::Boolean: return "boolean";
    case Kind::Record: return "record";
    case Kind::Stream: return "stream";
    default: return "value";
    }
}

// Checks one input against its catalogue kind; a mismatch is the caller's error.
void checkParameter(const catalogue::Parameter& p, const QJsonValue& v)
{
    bool ok = false;
    switch (p.kind) {
    case Kind::Text: ok = v.isString(); break;
    case Kind::Int32:
        ok = isIntegral(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        break;
    case Kind::Int64: ok = isIntegral(v, -9007199254740992.0, 9007199254740992.0); break;
    case Kind::Double: ok = v.isDouble() && std::isfinite(v.toDouble()); break;
    case Kind::Boolean: ok = v.isBool(); break;
    case Kind::Stream: ok = v.isString(); break;
    case Kind::Record:
        if (v.isNull())
            return;
        if (v.isObject()) {
            const QJsonObject o = v.toObject();
            const QString type = o.value("type").toString();
            if (p.recordType && type != QLatin1String(p.recordType))
                throw CallError(QString("parameter %1: expected a record of type %2, got \"%3\"")
                                    .arg(p.name, p.recordType, type));
            if (!o.value("fields").isObject())
                throw CallError(QString("parameter %1: the record has no \"fields\" object").arg(p.name));
            return;
        }
        break;
    default: break;
    }
    if (!ok)
        throw CallError(QString("parameter %1: expected %2").arg(p.name, kindName(p.kind)));
}

QJsonArray decodeInputs(const catalogue::Method& m, const QByteArray& body)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &pe);
    if (pe.error != QJsonParseError::NoError)
        throw CallError("invalid JSON body: " + pe.errorString());
    QJsonArray values;
    if (doc.isObject()) {
        const QJsonValue p = doc.object().value("_parameters");
        if (!p.isUndefined() && !p.isArray())
            throw CallError("\"_parameters\" must be an array");
        values = p.toArray();
    } else if (!(body.trimmed().isEmpty() && m.inputCount() == 0)) {
        throw CallError("the body must be an object with \"_parameters\"");
    }
    if (values.size() != m.inputCount())
        throw CallError(QString("%1 takes %2 parameters, got %3").arg(m.name).arg(m.inputCount()).arg(values.size()));
    int i = 0;
    for (const auto& p : m.parameters) {
        if (p.direction != Direction::In)
            continue;
        checkParameter(p, values.at(i));
        ++i;
    }
    return values;
}

} // namespace

QByteArray ErrorAnswer(const QString& text)
{
    return QJsonDocument(QJsonObject{{"error", text}}).toJson(QJsonDocument::Compact);
}

QByteArray AnswerCall(const QString& methodName, const QByteArray& body, const HandlerTable& handlers,
                      ServerState& state, QString* logLine)
{
    const catalogue::Method* m = catalogue::FindMethod(methodName);
    const auto h = handlers.find(methodName);
    if (!m || h == handlers.end()) {
        if (logLine)
            *logLine = methodName + " (unknown method)";
        return ErrorAnswer("unknown method " + methodName);
    }
    try {
        CallArgs args(*m, decodeInputs(*m, body));
        if (logLine)
            *logLine = CallLogLine(*m, args.values());
        auto lease = state.database().borrow();
        CallContext ctx{args, *lease, state};
        const Answer answer = h->second(ctx);
        std::string out = "{\"result\":[";
        for (size_t i = 0; i < answer.size(); ++i) {
            if (i)
                out += ',';
            if (const auto* raw = std::get_if<RawJson>(&answer[i])) {
                out += raw->text;
            } else {
                // A lone value is written as a one-element array without its brackets.
                const QByteArray one = QJsonDocument(QJsonArray{std::get<QJsonValue>(answer[i])})
                                           .toJson(QJsonDocument::Compact);
                out.append(one.constData() + 1, size_t(one.size() - 2));
            }
        }
        out += "]}";
        return QByteArray::fromStdString(out);
    } catch (const CallError& e) {
        if (logLine && logLine->isEmpty())
            *logLine = methodName + " (rejected)";
        return ErrorAnswer(QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        if (logLine && logLine->isEmpty())
            *logLine = methodName;
        return ErrorAnswer(QString::fromStdString(e.what()));
    }
}

} // namespace appserver
