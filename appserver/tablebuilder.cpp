#include "tablebuilder.h"

#include "database.h"

#include "platform/dsclient/tablecodec.h"

#include <QDate>
#include <QDateTime>
#include <QSet>

namespace appserver {
namespace {

const QSet<QString>& floatNames()
{
    static const QSet<QString> names = {
        "KDV", "FIYAT", "ESKIFIYAT", "IND1", "IND2", "IND3", "IND4", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL",
        "LISTEFIYAT1", "KALAN", "MIKTAR", "BIRIMFIYAT", "TUTAR", "INDIRIMORANI1", "INDIRIMORANI2",
        "INDIRIMORANI3", "INDIRIMORANI4", "INDIRIMTUTAR", "NETBIRIMFIYAT", "VERGITUTARI", "NETTUTAR", "KURTL",
        "ILKFIYAT", "TESLIMEDILEN", "ELDEKI", "ALINANSIPARIS", "VERILENSIPARIS", "BORC", "ALACAK", "BAKIYE",
        "VERGI", "TLBAKIYE", "INDIRIM", "TOPLAM", "TOPLAMINDIRIM", "MATRAH", "KDVTUTAR", "TLVERGI",
        "STOKHAR_MIKTAR", "STOKHAR_TLBIRIMFIYATI", "STOKHAR_TLVERGI", "STOKHAR_TLTUTAR", "STOKHAR_INDIRIM1",
        "STOKHAR_INDIRIM2", "STOKHAR_INDIRIM3", "STOKHAR_TOPLAMINDIRIM", "STOKHAR_TOPLAMMASRAF",
        "STOKHAR_NETTLBIRIMFIYATI", "STOKHAR_NETTLTUTAR", "STOKHAR_KURTL", "TAHSILATTUTAR", "BAKIYE5"};
    return names;
}

const QSet<QString>& dateNames()
{
    static const QSet<QString> names = {"TARIH", "VERILISTARIHI", "VADETARIHI", "STOKHAR_HAREKETTARIHI",
                                        "STOKHAR_IRSTARIHI", "SIPARISTARIHI"};
    return names;
}

FieldType typeFor(const QString& name, const std::vector<QVariantList>& rows, int col, const TypeHints& hints)
{
    if (auto it = hints.find(name); it != hints.end())
        return *it;
    if (floatNames().contains(name))
        return FieldType::Double;
    if (dateNames().contains(name))
        return FieldType::Date;
    bool anyInt = false;
    for (const auto& row : rows) {
        const QVariant& v = row[col];
        if (!v.isValid())
            continue;
        if (v.typeId() == QMetaType::Double)
            return FieldType::Double;
        if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray)
            return FieldType::WideString;
        if (v.toLongLong() > 2147483647LL || v.toLongLong() < -2147483648LL)
            return FieldType::Int64;
        anyInt = true;
    }
    return anyInt ? FieldType::Int32 : FieldType::WideString;
}

QVariant converted(const QVariant& v, FieldType type)
{
    if (!v.isValid())
        return v;
    switch (type) {
    case FieldType::Date:
        return QDate::fromString(v.toString().left(10), Qt::ISODate);
    case FieldType::DateTime:
    case FieldType::TimeStamp:
        return QDateTime::fromString(v.toString(), Qt::ISODate);
    case FieldType::Time:
        return QTime::fromString(v.toString(), Qt::ISODate);
    case FieldType::Double:
        return v.toDouble();
    default:
        return v;
    }
}

} // namespace

DataTable QueryTable(Connection& db, const QString& sql, const QVariantList& params, const TypeHints& hints)
{
    const auto rows = db.query(sql, params);
    const QStringList names = db.lastColumns();
    DataTable table;
    std::vector<FieldType> types;
    for (int c = 0; c < names.size(); ++c) {
        FieldDef def;
        def.name = names[c];
        def.type = typeFor(names[c], rows, c, hints);
        if (def.type == FieldType::WideString)
            def.size = 255;
        types.push_back(def.type);
        table.addField(def);
    }
    table.reserveRows(int(rows.size()));
    for (const auto& row : rows)
        for (int c = 0; c < names.size(); ++c)
            table.column(c).appendValue(converted(row[c], types[size_t(c)]));
    return table;
}

RawJson TableAnswer(const DataTable& table)
{
    return RawJson{dsclient::encodeTable(table)};
}

RawJson QueryTableAnswer(Connection& db, const QString& sql, const QVariantList& params, const TypeHints& hints)
{
    return TableAnswer(QueryTable(db, sql, params, hints));
}

} // namespace appserver
