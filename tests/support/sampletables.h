#pragma once

#include "platform/dataset/datatable.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QVariant>
#include <initializer_list>
#include <utility>

// Builds small tables for dataset and codec tests: one field per (name, type),
// then rows of QVariants in field order (an invalid QVariant is null).
inline DataTable makeTable(std::initializer_list<std::pair<const char*, FieldType>> fields,
                           std::initializer_list<std::initializer_list<QVariant>> rows)
{
    DataTable table;
    for (const auto& [name, type] : fields) {
        FieldDef def;
        def.name = QString::fromUtf8(name);
        def.type = type;
        if (fieldClassOf(type) == FieldClass::String)
            def.size = 40;
        table.addField(def);
    }
    for (const auto& row : rows) {
        int c = 0;
        for (const QVariant& v : row)
            table.column(c++).appendValue(v);
    }
    return table;
}

// Every field type once, three rows, nulls in the last row.
inline DataTable allKindsTable()
{
    return makeTable(
        {{"STOKNO", FieldType::Int32}, {"ADET", FieldType::Int16}, {"BUYUK", FieldType::Int64},
         {"ORAN", FieldType::Single}, {"FIYAT", FieldType::Double}, {"TUTAR", FieldType::Currency},
         {"KDVTUTAR", FieldType::BCD}, {"STOKADI", FieldType::WideString}, {"KOD", FieldType::AnsiString},
         {"AKTIF", FieldType::Boolean}, {"TARIH", FieldType::Date}, {"SAAT", FieldType::Time},
         {"KAYITZAMANI", FieldType::DateTime}, {"DEGISIM", FieldType::TimeStamp}},
        {
            {7, 3, qlonglong(9000000000LL), 0.5, 1234.5, 99.99, 18.18, QStringLiteral("Fren balatası ÇĞİÖŞÜ"),
             QStringLiteral("FB-100"), true, QDate(2026, 12, 11), QTime(14, 5, 0),
             QDateTime(QDate(2026, 12, 11), QTime(14, 5, 0, 250)), QDateTime(QDate(1999, 1, 2), QTime(0, 0))},
            {-8, -32768, qlonglong(-1), -0.25, 0.1, -5.0, 0.0, QStringLiteral("\"tırnak\" \\ \n\t"),
             QString(), false, QDate(1900, 1, 1), QTime(23, 59, 59, 999),
             QDateTime(QDate(2000, 2, 29), QTime(0, 0)), QDateTime(QDate(2026, 1, 1), QTime(12, 0))},
            {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
             QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
        });
}
