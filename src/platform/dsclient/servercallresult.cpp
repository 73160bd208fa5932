#include "platform/dsclient/servercallresult.h"

#include "platform/dsclient/httpsession.h"
#include "platform/dsclient/servercallerror.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <simdjson.h>

static_assert(dsclient::HttpSession::kBodyPadding >= simdjson::SIMDJSON_PADDING);

namespace dsclient {

namespace {

using Kind = ServerCallError::Kind;

[[noreturn]] void Bad(const QString& why)
{
    throw ServerCallError(Kind::BadAnswer, why);
}

QString Excerpt(std::string_view text)
{
    constexpr std::size_t kShown = 80;
    QString shown = QString::fromUtf8(text.data(), qsizetype(std::min(text.size(), kShown)));
    return text.size() > kShown ? shown + QStringLiteral("...") : shown;
}

// The raw text of one value; arrays and objects are skipped over as a whole.
std::string_view RawText(simdjson::ondemand::value value)
{
    simdjson::ondemand::json_type type;
    if (value.type().get(type))
        Bad(QStringLiteral("a result value is not valid JSON"));
    std::string_view raw;
    simdjson::error_code error = simdjson::SUCCESS;
    switch (type) {
    case simdjson::ondemand::json_type::array: {
        simdjson::ondemand::array array;
        error = value.get_array().get(array);
        if (!error)
            error = array.raw_json().get(raw);
        break;
    }
    case simdjson::ondemand::json_type::object: {
        simdjson::ondemand::object object;
        error = value.get_object().get(object);
        if (!error)
            error = object.raw_json().get(raw);
        break;
    }
    default:
        raw = value.raw_json_token();
    }
    while (!raw.empty() && std::isspace(static_cast<unsigned char>(raw.back())))
        raw.remove_suffix(1);
    if (error)
        Bad(QStringLiteral("a result value is not valid JSON (%1)").arg(simdjson::error_message(error)));
    return raw;
}

} // namespace

ServerCallResult::ServerCallResult(std::string paddedBody, std::size_t bodySize)
    : body_(std::move(paddedBody)), bodySize_(bodySize)
{
    if (body_.size() < bodySize_ + simdjson::SIMDJSON_PADDING)
        body_.resize(bodySize_ + simdjson::SIMDJSON_PADDING, '\0');

    simdjson::ondemand::parser parser;
    simdjson::ondemand::document document;
    simdjson::ondemand::object top;
    if (parser.iterate(body_.data(), bodySize_, body_.size()).get(document)
        || document.get_object().get(top))
        Bad(QStringLiteral("the answer is not a JSON object: %1").arg(Excerpt(rawBody())));

    bool haveResult = false;
    for (auto field : top) {
        std::string_view key;
        if (field.unescaped_key().get(key))
            Bad(QStringLiteral("the answer is not valid JSON: %1").arg(Excerpt(rawBody())));
        if (key == "error") {
            std::string_view text;
            simdjson::ondemand::value value;
            if (field.value().get(value))
                Bad(QStringLiteral("the error answer is not valid JSON"));
            QString serverText;
            if (value.get_string().get(text)) {
                const std::string_view raw = value.raw_json_token();
                serverText = QString::fromUtf8(raw.data(), qsizetype(raw.size())).trimmed();
            } else {
                serverText = QString::fromUtf8(text.data(), qsizetype(text.size()));
            }
            throw ServerCallError(Kind::ServerError, QStringLiteral("the server reported: %1").arg(serverText),
                                  serverText);
        }
        if (key == "result" && !haveResult) {
            simdjson::ondemand::array array;
            if (field.value().get_array().get(array))
                Bad(QStringLiteral("\"result\" is not an array: %1").arg(Excerpt(rawBody())));
            for (auto element : array) {
                simdjson::ondemand::value value;
                if (element.get(value))
                    Bad(QStringLiteral("the result array is not valid JSON: %1").arg(Excerpt(rawBody())));
                values_.push_back(RawText(value));
            }
            haveResult = true;
        } else if (key != "result") {
            simdjson::ondemand::value ignored;
            if (field.value().get(ignored))
                Bad(QStringLiteral("the answer is not valid JSON"));
            RawText(ignored);
        }
    }
    // Anything after the object (or a cut-off object) makes the whole answer suspect.
    const char* rest = nullptr;
    if (!document.current_location().get(rest))
        Bad(QStringLiteral("the answer has trailing or truncated content: %1").arg(Excerpt(rawBody())));
    if (!haveResult)
        Bad(QStringLiteral("the answer has neither \"result\" nor \"error\": %1").arg(Excerpt(rawBody())));
    parsed_.resize(values_.size());
}

std::string_view ServerCallResult::rawValue(int i) const
{
    if (i < 0 || i >= count())
        Bad(QStringLiteral("the answer has no value %1 (it has %2)").arg(i).arg(count()));
    return values_[std::size_t(i)];
}

std::size_t ServerCallResult::rawValueCapacity(int i) const
{
    const std::string_view raw = rawValue(i);
    return body_.size() - std::size_t(raw.data() - body_.data());
}

QJsonValue ServerCallResult::value(int i) const
{
    const std::string_view raw = rawValue(i);
    auto& slot = parsed_[std::size_t(i)];
    if (!slot) {
        // Wrapped in an array so that scalars parse too.
        QByteArray wrapped;
        wrapped.reserve(qsizetype(raw.size()) + 2);
        wrapped.append('[').append(raw.data(), qsizetype(raw.size())).append(']');
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(wrapped, &error);
        if (error.error != QJsonParseError::NoError || !document.isArray() || document.array().size() != 1)
            Bad(QStringLiteral("result value %1 is not valid JSON: %2").arg(i).arg(Excerpt(raw)));
        slot = document.array().at(0);
    }
    return *slot;
}

QJsonValue ServerCallResult::returnValue() const
{
    if (values_.empty())
        Bad(QStringLiteral("the answer carries no return value"));
    return value(count() - 1);
}

QJsonArray ServerCallResult::values() const
{
    QJsonArray all;
    for (int i = 0; i < count(); ++i)
        all.append(value(i));
    return all;
}

} // namespace dsclient
