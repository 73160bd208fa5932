#pragma once

#include "platform/dsclient/valuekind.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>

// Checks of single JSON values against the kind the catalogue expects, shared by
// both ends of the wire (the client reading answers, the server reading parameters).
namespace dsclient {

// Empty when `value` is a valid value of `kind`; otherwise what is wrong with it.
// recordType is the "type" a record must carry ("baglantiu.TSonucBilgisi").
QString WireValueProblem(const QJsonValue& value, ValueKind kind, const char* recordType = nullptr);

// The bytes of a stream value (base64 text); ok is false for text that is not base64.
QByteArray StreamFromWire(const QJsonValue& value, bool* ok);
QJsonValue StreamToWire(const QByteArray& bytes);

const char* ValueKindName(ValueKind kind);

} // namespace dsclient
