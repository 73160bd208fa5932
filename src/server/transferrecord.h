#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <stdexcept>
#include <type_traits>

// Transfer records cross the connection in the marshaller's object form:
//   {"type":"unit.TClass","id":N,"fields":{"FNAME":value,...}}
// Each record lists its fields once, as a table of getter/setter pairs; that table drives
// encoding, decoding and copying, so a field added to the table is handled everywhere.

// Raised for JSON that is not the record it should be; the text names the record and field.
class RecordFormatError : public std::runtime_error {
public:
    explicit RecordFormatError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

template <class R>
struct RecordField {
    const char* name; // JSON member name, the field name with its leading F
    QJsonValue (*encode)(const R& record, int& nextId);
    void (*decode)(R& record, const QJsonValue& json, const QString& where);
    void (*copy)(R& target, const R& source);
};

namespace transferrecord {

template <class V>
struct Codec;

template <>
struct Codec<QString> {
    static QJsonValue encode(const QString& value, int&) { return value; }
    static QString decode(const QJsonValue& json, const QString& where)
    {
        if (!json.isString())
            throw RecordFormatError(where + QStringLiteral(" is not a text"));
        return json.toString();
    }
};

template <>
struct Codec<qint32> {
    static QJsonValue encode(qint32 value, int&) { return qint64(value); }
    static qint32 decode(const QJsonValue& json, const QString& where)
    {
        const double number = json.toDouble();
        if (!json.isDouble() || number != std::trunc(number)
            || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
            throw RecordFormatError(where + QStringLiteral(" is not a 32-bit integer"));
        return qint32(number);
    }
};

template <>
struct Codec<double> {
    static QJsonValue encode(double value, int&) { return value; }
    static double decode(const QJsonValue& json, const QString& where)
    {
        if (!json.isDouble())
            throw RecordFormatError(where + QStringLiteral(" is not a number"));
        return json.toDouble();
    }
};

template <>
struct Codec<bool> {
    static QJsonValue encode(bool value, int&) { return value; }
    static bool decode(const QJsonValue& json, const QString& where)
    {
        if (!json.isBool())
            throw RecordFormatError(where + QStringLiteral(" is not true or false"));
        return json.toBool();
    }
};

// An array of records; each element gets the next free id of the message.
template <class E>
struct Codec<QList<E>> {
    static QJsonValue encode(const QList<E>& list, int& nextId)
    {
        QJsonArray array;
        for (const E& element : list) {
            const int id = nextId++;
            array.append(E::encodeObject(element, id, nextId));
        }
        return array;
    }
    static QList<E> decode(const QJsonValue& json, const QString& where)
    {
        if (json.isNull()) // an empty array may come as null
            return {};
        if (!json.isArray())
            throw RecordFormatError(where + QStringLiteral(" is not an array"));
        QList<E> list;
        const QJsonArray array = json.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            try {
                list.append(E::fromJson(array.at(i)));
            } catch (const RecordFormatError& error) {
                throw RecordFormatError(QStringLiteral("%1[%2]: %3").arg(where).arg(i).arg(QString::fromStdString(error.what())));
            }
        }
        return list;
    }
};

template <class Getter>
struct GetterTraits;
template <class R, class V>
struct GetterTraits<V (R::*)() const> {
    using Record = R;
    using Value = std::decay_t<V>;
};

} // namespace transferrecord

// One table entry: Field<&R::CARINO, &R::setCARINO>("FCARINO").
template <auto Getter, auto Setter>
constexpr auto Field(const char* name)
{
    using R = typename transferrecord::GetterTraits<decltype(Getter)>::Record;
    using V = typename transferrecord::GetterTraits<decltype(Getter)>::Value;
    using C = transferrecord::Codec<V>;
    return RecordField<R>{
        name,
        [](const R& record, int& nextId) { return C::encode((record.*Getter)(), nextId); },
        [](R& record, const QJsonValue& json, const QString& where) { (record.*Setter)(C::decode(json, where)); },
        [](R& target, const R& source) { (target.*Setter)((source.*Getter)()); },
    };
}

// Base of every transfer record R, which provides
//   static constexpr const char* kTypeName;              // "unit.TClass"
//   static std::span<const RecordField<R>> Fields();     // in declaration order
template <class R>
class TransferRecord {
public:
    QJsonObject toJson(int id = 1) const
    {
        int nextId = id + 1;
        return encodeObject(self(), id, nextId);
    }

    // A field missing from the JSON keeps its default; members the record does not know are ignored.
    static R fromJson(const QJsonValue& json)
    {
        const QString type = QString::fromLatin1(R::kTypeName);
        if (!json.isObject())
            throw RecordFormatError(type + QStringLiteral(": not a JSON object"));
        const QJsonObject object = json.toObject();
        const QJsonValue sentType = object.value(QLatin1String("type"));
        if (!sentType.isString())
            throw RecordFormatError(type + QStringLiteral(": the object has no \"type\""));
        if (sentType.toString() != type)
            throw RecordFormatError(type + QStringLiteral(": the object is of type \"%1\"").arg(sentType.toString()));
        const QJsonValue fields = object.value(QLatin1String("fields"));
        if (!fields.isObject())
            throw RecordFormatError(type + QStringLiteral(": \"fields\" is not an object"));
        const QJsonObject members = fields.toObject();
        R record;
        for (const RecordField<R>& field : R::Fields()) {
            const QJsonValue value = members.value(QLatin1String(field.name));
            if (!value.isUndefined())
                field.decode(record, value, type + QStringLiteral(": field ") + QLatin1String(field.name));
        }
        return record;
    }

    // A null value means no record.
    static std::optional<R> fromNullableJson(const QJsonValue& json)
    {
        if (json.isNull())
            return std::nullopt;
        return fromJson(json);
    }

    static R fromJsonText(const QByteArray& text)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        if (error.error != QJsonParseError::NoError)
            throw RecordFormatError(QStringLiteral("%1: malformed JSON (%2 at offset %3)")
                                        .arg(QLatin1String(R::kTypeName), error.errorString())
                                        .arg(error.offset));
        return fromJson(document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array()));
    }

    static QJsonObject encodeObject(const R& record, int id, int& nextId)
    {
        QJsonObject fields;
        for (const RecordField<R>& field : R::Fields())
            fields.insert(QLatin1String(field.name), field.encode(record, nextId));
        return {{QStringLiteral("type"), QLatin1String(R::kTypeName)},
                {QStringLiteral("id"), id},
                {QStringLiteral("fields"), fields}};
    }

    bool operator==(const TransferRecord&) const = default;

protected:
    // Every field of source, through this record's setters, in declaration order.
    void copyFields(const R& source)
    {
        for (const RecordField<R>& field : R::Fields())
            field.copy(static_cast<R&>(*this), source);
    }

private:
    const R& self() const { return static_cast<const R&>(*this); }
};
