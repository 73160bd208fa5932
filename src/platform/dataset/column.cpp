#include "platform/dataset/column.h"

#include "platform/dataset/dataseterror.h"

#include <cmath>
#include <limits>

QDate dateFromKey(qint64 key) { return QDate::fromJulianDay(key); }

QTime timeFromKey(qint64 key) { return QTime::fromMSecsSinceStartOfDay(int(key)); }

QDateTime dateTimeFromKey(qint64 key)
{
    // Floor division: keys before the Julian epoch are negative.
    qint64 day = key / kMsecsPerDay;
    qint64 ms = key % kMsecsPerDay;
    if (ms < 0) {
        ms += kMsecsPerDay;
        --day;
    }
    return QDateTime(QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

Column::Column(FieldDef def) : def_(std::move(def)), class_(fieldClassOf(def_.type)) {}

namespace {
bool storesDoubles(FieldClass c)
{
    return c == FieldClass::Float || c == FieldClass::Currency || c == FieldClass::BCD;
}

DataSetError conversionError(const FieldDef& def, const QVariant& value)
{
    return DataSetError(QStringLiteral("'%1' is not a valid %2 value for field '%3'")
                            .arg(value.toString(), fieldTypeName(def.type), def.name));
}

bool integerRangeOk(FieldType type, qint64 v)
{
    switch (type) {
    case FieldType::Int16: return v >= std::numeric_limits<qint16>::min() && v <= std::numeric_limits<qint16>::max();
    case FieldType::Int32: return v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
    default: return true;
    }
}
} // namespace

void Column::reserve(int rows)
{
    nulls_.reserve(size_t(rows));
    if (class_ == FieldClass::String)
        spans_.reserve(size_t(rows));
    else if (storesDoubles(class_))
        doubles_.reserve(size_t(rows));
    else
        ints_.reserve(size_t(rows));
}

void Column::clear()
{
    nulls_.clear();
    ints_.clear();
    doubles_.clear();
    spans_.clear();
    text_.clear();
}

void Column::appendNull()
{
    nulls_.push_back(1);
    if (class_ == FieldClass::String)
        spans_.push_back({0, 0});
    else if (storesDoubles(class_))
        doubles_.push_back(0);
    else
        ints_.push_back(0);
}

void Column::appendInt(qint64 value)
{
    nulls_.push_back(0);
    ints_.push_back(value);
}

void Column::appendDouble(double value)
{
    nulls_.push_back(0);
    doubles_.push_back(value);
}

void Column::appendText(std::string_view utf8)
{
    if (text_.size() + utf8.size() > std::numeric_limits<quint32>::max())
        throw DataSetError(QStringLiteral("Field '%1' holds more text than a dataset can store").arg(def_.name));
    nulls_.push_back(0);
    spans_.push_back({quint32(text_.size()), quint32(utf8.size())});
    text_.append(utf8);
}

QVariant Column::value(int row) const
{
    if (isNull(row))
        return {};
    switch (class_) {
    case FieldClass::Integer:
        if (def_.type == FieldType::Int64)
            return QVariant(qlonglong(intAt(row)));
        return QVariant(int(intAt(row)));
    case FieldClass::Float:
    case FieldClass::Currency:
    case FieldClass::BCD: return QVariant(doubleAt(row));
    case FieldClass::String: {
        std::string_view t = textAt(row);
        return QVariant(QString::fromUtf8(t.data(), qsizetype(t.size())));
    }
    case FieldClass::Boolean: return QVariant(intAt(row) != 0);
    case FieldClass::Date: return QVariant(dateFromKey(intAt(row)));
    case FieldClass::Time: return QVariant(timeFromKey(intAt(row)));
    case FieldClass::DateTime: return QVariant(dateTimeFromKey(intAt(row)));
    }
    return {};
}

void Column::setValue(int row, const QVariant& value)
{
    if (row < 0 || row >= rowCount())
        throw DataSetError(QStringLiteral("Row %1 out of range for field '%2'").arg(row).arg(def_.name));
    store(row, value);
}

void Column::appendValue(const QVariant& value)
{
    store(-1, value);
}

void Column::storeText(int row, std::string_view utf8)
{
    if (row < 0) {
        appendText(utf8);
        return;
    }
    // An edited text goes to the end of the buffer; the old bytes stay unused
    // until the dataset is reloaded.
    if (text_.size() + utf8.size() > std::numeric_limits<quint32>::max())
        throw DataSetError(QStringLiteral("Field '%1' holds more text than a dataset can store").arg(def_.name));
    spans_[size_t(row)] = {quint32(text_.size()), quint32(utf8.size())};
    text_.append(utf8);
    nulls_[size_t(row)] = 0;
}

void Column::store(int row, const QVariant& value)
{
    if (!value.isValid() || value.isNull()) {
        if (row < 0)
            appendNull();
        else
            nulls_[size_t(row)] = 1;
        return;
    }

    const int typeId = value.metaType().id();
    auto putInt = [&](qint64 v) {
        if (row < 0) {
            appendInt(v);
        } else {
            ints_[size_t(row)] = v;
            nulls_[size_t(row)] = 0;
        }
    };

    switch (class_) {
    case FieldClass::String: {
        QByteArray utf8 = value.toString().toUtf8();
        storeText(row, std::string_view(utf8.constData(), size_t(utf8.size())));
        return;
    }
    case FieldClass::Float:
    case FieldClass::Currency:
    case FieldClass::BCD: {
        bool ok = false;
        double d = value.toDouble(&ok);
        if (!ok || !std::isfinite(d) || typeId == QMetaType::QDate || typeId == QMetaType::QDateTime)
            throw conversionError(def_, value);
        if (row < 0) {
            appendDouble(d);
        } else {
            doubles_[size_t(row)] = d;
            nulls_[size_t(row)] = 0;
        }
        return;
    }
    case FieldClass::Integer: {
        bool ok = false;
        qint64 v = 0;
        if (typeId == QMetaType::Double || typeId == QMetaType::Float) {
            double d = value.toDouble();
            ok = std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 9.2e18;
            v = qint64(d);
        } else if (typeId != QMetaType::QDate && typeId != QMetaType::QDateTime && typeId != QMetaType::QTime) {
            v = value.toLongLong(&ok);
        }
        if (!ok || !integerRangeOk(def_.type, v))
            throw conversionError(def_, value);
        putInt(v);
        return;
    }
    case FieldClass::Boolean: {
        if (typeId == QMetaType::Bool || typeId == QMetaType::Int || typeId == QMetaType::LongLong) {
            putInt(value.toBool() ? 1 : 0);
            return;
        }
        const QString s = value.toString();
        if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            putInt(1);
        else if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            putInt(0);
        else
            throw conversionError(def_, value);
        return;
    }
    case FieldClass::Date: {
        QDate d = typeId == QMetaType::QDateTime ? value.toDateTime().date()
                  : typeId == QMetaType::QDate   ? value.toDate()
                                                 : QDate::fromString(value.toString(), Qt::ISODate);
        if (!d.isValid())
            throw conversionError(def_, value);
        putInt(dateKey(d));
        return;
    }
    case FieldClass::Time: {
        QTime t = typeId == QMetaType::QDateTime ? value.toDateTime().time()
                  : typeId == QMetaType::QTime   ? value.toTime()
                                                 : QTime::fromString(value.toString(), Qt::ISODateWithMs);
        if (!t.isValid())
            throw conversionError(def_, value);
        putInt(timeKey(t));
        return;
    }
    case FieldClass::DateTime: {
        QDateTime dt = typeId == QMetaType::QDateTime ? value.toDateTime()
                       : typeId == QMetaType::QDate   ? QDateTime(value.toDate(), QTime(0, 0))
                                                      : QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
        if (!dt.isValid())
            throw conversionError(def_, value);
        putInt(dateTimeKey(dt.date(), dt.time()));
        return;
    }
    }
}
