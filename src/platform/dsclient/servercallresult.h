#pragma once

#include <QJsonArray>
#include <QJsonValue>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dsclient {

// The answer of one server call, {"result":[out0, ..., return]}. The raw bytes
// are kept: small values are turned into QJsonValue when asked for, while big
// tables are decoded straight from rawValue() by the table codec.
class ServerCallResult {
public:
    // Checks the shape of an answer body and remembers where each value lies.
    // paddedBody holds bodySize answer bytes followed by zeroed padding. Throws
    // ServerCallError: Kind::ServerError for {"error": text}, Kind::BadAnswer
    // for anything that is not JSON of the expected shape.
    ServerCallResult(std::string paddedBody, std::size_t bodySize);

    int count() const { return int(values_.size()); }

    // The JSON text of value i, pointing into the kept body. The body buffer goes
    // on for rawValueCapacity(i) bytes from its start (padding included).
    std::string_view rawValue(int i) const;
    std::size_t rawValueCapacity(int i) const;

    // Value i as a QJsonValue; throws ServerCallError(BadAnswer) when i is out of
    // range or its text is not valid JSON.
    QJsonValue value(int i) const;
    // The last value (a function's result); throws when there is none.
    QJsonValue returnValue() const;
    QJsonArray values() const;

    std::string_view rawBody() const { return std::string_view(body_.data(), bodySize_); }

private:
    std::string body_;
    std::size_t bodySize_;
    std::vector<std::string_view> values_;
    mutable std::vector<std::optional<QJsonValue>> parsed_;
};

} // namespace dsclient
