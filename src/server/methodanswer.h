#pragma once

#include "platform/dataset/datatable.h"
#include "platform/dsclient/servercallresult.h"
#include "server/methodcatalogue.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// The decoded answer of one catalogue method: the out parameters in catalogue
// order, then the method's result. Small values were checked against their
// kinds when the answer arrived; tables are decoded from the raw answer bytes
// only when asked for. Every accessor throws ServerCallError(BadAnswer) for a
// value that is not what the catalogue says.
class MethodAnswer {
public:
    MethodAnswer(const catalogue::Method& method, dsclient::ServerCallResult result);

    const catalogue::Method& method() const { return *method_; }
    int count() const { return result_.count(); }

    // Position of out parameter `outIndex`, and of the result (after the outs).
    int outPosition(int outIndex) const { return outIndex; }
    int resultPosition() const { return method_->outputCount(); }

    QString text(int position) const;
    qint32 int32(int position) const;
    qint64 int64(int position) const;
    double number(int position) const;
    bool boolean(int position) const;
    // A record's JSON object form; none for null.
    std::optional<QJsonObject> record(int position) const;
    QByteArray stream(int position) const;
    DataTable table(int position) const;

    // The value as the client decoded it, in JSON: tables in their table form,
    // streams as base64 (what the support tool prints).
    QJsonValue json(int position) const;
    const dsclient::ServerCallResult& raw() const { return result_; }

private:
    catalogue::Kind kindAt(int position) const;

    const catalogue::Method* method_;
    dsclient::ServerCallResult result_;
};
