#include "platform/dsclient/wirevalue.h"

#include <QJsonObject>

#include <cmath>
#include <limits>

namespace dsclient {
namespace {

bool isWholeNumber(const QJsonValue& value, double min, double max)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    return std::isfinite(d) && d == std::trunc(d) && d >= min && d <= max;
}

} // namespace

const char* ValueKindName(ValueKind kind)
{
    switch (kind) {
    case ValueKind::None: return "nothing";
    case ValueKind::Text: return "a text";
    case ValueKind::Int32: return "a 32-bit integer";
    case ValueKind::Int64: return "a 64-bit integer";
    case ValueKind::Double: return "a number";
    case ValueKind::Boolean: return "true or false";
    case ValueKind::Record: return "a record or null";
    case ValueKind::Rows:
    case ValueKind::DataPacket: return "a table";
    case ValueKind::Stream: return "a base64 stream";
    }
    return "?";
}

QString WireValueProblem(const QJsonValue& value, ValueKind kind, const char* recordType)
{
    bool ok = false;
    switch (kind) {
    case ValueKind::None: ok = value.isUndefined(); break;
    case ValueKind::Text: ok = value.isString(); break;
    case ValueKind::Int32:
        ok = isWholeNumber(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        break;
    case ValueKind::Int64: ok = isWholeNumber(value, -9.223372036854775808e18, 9.223372036854775807e18); break;
    case ValueKind::Double: ok = value.isDouble(); break;
    case ValueKind::Boolean: ok = value.isBool(); break;
    case ValueKind::Record:
        if (value.isNull())
            return {};
        if (!value.isObject())
            break;
        if (recordType && value.toObject().value(QLatin1String("type")).toString() != QLatin1String(recordType))
            return QStringLiteral("is a record of type \"%1\" where %2 was expected")
                .arg(value.toObject().value(QLatin1String("type")).toString(), QLatin1String(recordType));
        ok = true;
        break;
    case ValueKind::Rows:
    case ValueKind::DataPacket: ok = value.isObject() && value.toObject().value(QLatin1String("table")).isArray(); break;
    case ValueKind::Stream: StreamFromWire(value, &ok); break;
    }
    if (ok)
        return {};
    return QStringLiteral("is not %1").arg(QLatin1String(ValueKindName(kind)));
}

QByteArray StreamFromWire(const QJsonValue& value, bool* ok)
{
    *ok = false;
    if (!value.isString())
        return {};
    auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    *ok = bool(decoded);
    return *ok ? *decoded : QByteArray();
}

QJsonValue StreamToWire(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

} // namespace dsclient
