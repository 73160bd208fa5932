#include "server/methodanswer.h"

#include "platform/dsclient/servercallerror.h"
#include "platform/dsclient/tablecodec.h"
#include "platform/dsclient/wirevalue.h"

#include <QJsonDocument>

using dsclient::ServerCallError;
using catalogue::Kind;

namespace {

[[noreturn]] void badAnswer(const catalogue::Method& method, const QString& what)
{
    throw ServerCallError(ServerCallError::Kind::BadAnswer,
                          QStringLiteral("%1: %2").arg(QLatin1String(method.name), what));
}

// Kinds of the answer's values: the out parameters, then the result.
QList<std::pair<Kind, const char*>> answerKinds(const catalogue::Method& method)
{
    QList<std::pair<Kind, const char*>> kinds;
    for (const catalogue::Parameter& p : method.parameters)
        if (p.direction == catalogue::Direction::Out)
            kinds.append({p.kind, p.recordType});
    if (method.result != Kind::None)
        kinds.append({method.result, method.resultRecordType});
    return kinds;
}

bool isTable(Kind kind)
{
    return kind == Kind::Rows || kind == Kind::DataPacket;
}

} // namespace

MethodAnswer::MethodAnswer(const catalogue::Method& method, dsclient::ServerCallResult result)
    : method_(&method), result_(std::move(result))
{
    const auto kinds = answerKinds(method);
    if (result_.count() != kinds.size())
        badAnswer(method, QStringLiteral("the answer has %1 values where %2 were expected")
                              .arg(result_.count())
                              .arg(kinds.size()));
    for (int i = 0; i < kinds.size(); ++i) {
        const auto [kind, recordType] = kinds[i];
        if (isTable(kind)) {
            // Checked when decoded; a quick look keeps a scalar from passing as a table.
            if (!result_.rawValue(i).starts_with('{'))
                badAnswer(method, QStringLiteral("value %1 is not a table").arg(i));
            continue;
        }
        const QString problem = dsclient::WireValueProblem(result_.value(i), kind, recordType);
        if (!problem.isEmpty())
            badAnswer(method, QStringLiteral("value %1 %2").arg(i).arg(problem));
    }
}

Kind MethodAnswer::kindAt(int position) const
{
    const auto kinds = answerKinds(*method_);
    if (position < 0 || position >= kinds.size())
        badAnswer(*method_, QStringLiteral("no value at position %1").arg(position));
    return kinds[position].first;
}

QString MethodAnswer::text(int position) const
{
    return result_.value(position).toString();
}

qint32 MethodAnswer::int32(int position) const
{
    return qint32(result_.value(position).toDouble());
}

qint64 MethodAnswer::int64(int position) const
{
    return result_.value(position).toInteger();
}

double MethodAnswer::number(int position) const
{
    return result_.value(position).toDouble();
}

bool MethodAnswer::boolean(int position) const
{
    return result_.value(position).toBool();
}

std::optional<QJsonObject> MethodAnswer::record(int position) const
{
    const QJsonValue value = result_.value(position);
    if (value.isNull())
        return std::nullopt;
    return value.toObject();
}

QByteArray MethodAnswer::stream(int position) const
{
    bool ok = false;
    return dsclient::StreamFromWire(result_.value(position), &ok);
}

DataTable MethodAnswer::table(int position) const
{
    if (!isTable(kindAt(position)))
        badAnswer(*method_, QStringLiteral("value %1 is not a table").arg(position));
    try {
        return dsclient::decodeTable(result_.rawValue(position));
    } catch (const dsclient::TableFormatError& e) {
        badAnswer(*method_, QStringLiteral("value %1: %2").arg(position).arg(QString::fromUtf8(e.what())));
    }
}

QJsonValue MethodAnswer::json(int position) const
{
    if (isTable(kindAt(position))) {
        const std::string text = dsclient::encodeTable(table(position));
        return QJsonDocument::fromJson(QByteArray::fromRawData(text.data(), qsizetype(text.size()))).object();
    }
    return result_.value(position);
}
