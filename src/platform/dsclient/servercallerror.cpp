#include "platform/dsclient/servercallerror.h"

namespace dsclient {

ServerCallError::ServerCallError(Kind kind, const QString& text, const QString& serverText)
    : std::runtime_error(QStringLiteral("%1: %2").arg(QLatin1String(kindName(kind)), text).toStdString()),
      kind_(kind),
      serverText_(serverText)
{
}

const char* ServerCallError::kindName(Kind kind)
{
    switch (kind) {
    case Kind::ServerError: return "server error";
    case Kind::ConnectionRefused: return "connection refused";
    case Kind::ConnectionDropped: return "connection dropped";
    case Kind::Timeout: return "time-out";
    case Kind::BadAnswer: return "bad answer";
    case Kind::Cancelled: return "cancelled";
    }
    return "unknown";
}

} // namespace dsclient
