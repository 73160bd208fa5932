#pragma once

#include "platform/dataset/fieldtype.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Description of one field as the table form of the wire carries it.
struct FieldDef {
    QString name;
    FieldType type = FieldType::WideString;
    int size = 0; // characters of a text field
    int precision = 0;
    int scale = 0;
    int subType = 0;
    int childPosition = 0;
    bool nullable = true;
    bool hidden = false;
    int parameterDirection = 0;
    bool valueParameter = false;
    bool literal = false;
    QString displayFormat; // FormatFloat pattern for numeric fields; empty = default text
};

// Stored forms of date and time values (no time zone: the server's wall-clock value).
inline constexpr qint64 kMsecsPerDay = 86400000;
inline qint64 dateKey(QDate date) { return date.toJulianDay(); }
inline qint64 timeKey(QTime time) { return time.msecsSinceStartOfDay(); }
inline qint64 dateTimeKey(QDate date, QTime time) { return date.toJulianDay() * kMsecsPerDay + time.msecsSinceStartOfDay(); }
QDate dateFromKey(qint64 key);
QTime timeFromKey(qint64 key);
QDateTime dateTimeFromKey(qint64 key);

// One field's values for all rows, stored by field class:
// integers, booleans (0/1) and dates/times (keys above) as 64-bit integers,
// float, currency and BCD as doubles, text as UTF-8 in one buffer.
class Column {
public:
    explicit Column(FieldDef def);

    const FieldDef& def() const { return def_; }
    FieldDef& def() { return def_; }
    FieldClass fieldClass() const { return class_; }
    int rowCount() const { return int(nulls_.size()); }

    void reserve(int rows);
    void reserveText(size_t bytes) { text_.reserve(bytes); }
    void clear();

    bool isNull(int row) const { return nulls_[size_t(row)] != 0; }
    qint64 intAt(int row) const { return ints_[size_t(row)]; }
    double doubleAt(int row) const { return doubles_[size_t(row)]; }
    std::string_view textAt(int row) const
    {
        const TextSpan& s = spans_[size_t(row)];
        return std::string_view(text_.data() + s.offset, s.size);
    }

    // Appending in the storage form of the field class (the caller picks the right one).
    void appendNull();
    void appendInt(qint64 value);
    void appendDouble(double value);
    void appendText(std::string_view utf8);

    // The value as a QVariant of the field class's natural type; null gives an invalid QVariant.
    QVariant value(int row) const;
    // Converts and stores; an invalid or null QVariant stores null. Throws DataSetError
    // when the value cannot be converted to the field's type.
    void setValue(int row, const QVariant& value);
    void appendValue(const QVariant& value);

private:
    struct TextSpan {
        quint32 offset;
        quint32 size;
    };
    void store(int row, const QVariant& value);
    void storeText(int row, std::string_view utf8);

    FieldDef def_;
    FieldClass class_;
    std::vector<quint8> nulls_;
    std::vector<qint64> ints_;
    std::vector<double> doubles_;
    std::vector<TextSpan> spans_;
    std::string text_;
};
