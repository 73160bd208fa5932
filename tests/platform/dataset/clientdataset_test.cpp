#include "platform/dataset/clientdataset.h"
#include "platform/dataset/dataseterror.h"
#include "platform/format/formatfloat.h"
#include "support/sampletables.h"

#include <gtest/gtest.h>

namespace {

DataTable stockTable()
{
    return makeTable({{"STOKNO", FieldType::Int32}, {"STOKKODU", FieldType::WideString}, {"FIYAT", FieldType::Double}},
                     {{10, QStringLiteral("A-1"), 1.5}, {20, QStringLiteral("B-2"), QVariant()}, {30, QStringLiteral("C-3"), 3.0}});
}

TEST(ClientDataSet, KeepsValuesOfEveryFieldKindWithNulls)
{
    ClientDataSet ds;
    ds.setData(allKindsTable());
    ASSERT_TRUE(ds.isActive());
    ASSERT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(ds.value(0, ds.fieldIndex("STOKNO")).toInt(), 7);
    EXPECT_EQ(ds.value(1, ds.fieldIndex("ADET")).toInt(), -32768);
    EXPECT_EQ(ds.value(0, ds.fieldIndex("BUYUK")).toLongLong(), 9000000000LL);
    EXPECT_EQ(ds.value(0, ds.fieldIndex("STOKADI")).toString(), QStringLiteral("Fren balatası ÇĞİÖŞÜ"));
    EXPECT_EQ(ds.value(1, ds.fieldIndex("KOD")).toString(), QString()); // empty, not null
    EXPECT_FALSE(ds.isNull(1, ds.fieldIndex("KOD")));
    EXPECT_EQ(ds.value(0, ds.fieldIndex("AKTIF")).toBool(), true);
    EXPECT_EQ(ds.value(0, ds.fieldIndex("TARIH")).toDate(), QDate(2026, 12, 11));
    EXPECT_EQ(ds.value(1, ds.fieldIndex("SAAT")).toTime(), QTime(23, 59, 59, 999));
    EXPECT_EQ(ds.value(0, ds.fieldIndex("KAYITZAMANI")).toDateTime(), QDateTime(QDate(2026, 12, 11), QTime(14, 5, 0, 250)));
    for (int c = 0; c < ds.fieldCount(); ++c) {
        EXPECT_TRUE(ds.isNull(2, c)) << ds.field(c)->name().toStdString();
        EXPECT_FALSE(ds.value(2, c).isValid());
    }
}

TEST(ClientDataSet, FindsFieldsIgnoringCase)
{
    ClientDataSet ds;
    ds.setData(stockTable());
    EXPECT_EQ(ds.fieldByName("fiyat").index(), 2);
    EXPECT_EQ(ds.findField("StokKodu"), ds.field(1));
    EXPECT_EQ(ds.findField("IND1"), nullptr);
    try {
        ds.fieldByName("IND1");
        FAIL() << "missing field accepted";
    } catch (const DataSetError& e) {
        EXPECT_NE(std::string(e.what()).find("IND1"), std::string::npos);
    }
    EXPECT_THROW(makeTable({{"SEC", FieldType::Int32}, {"sec", FieldType::Int32}}, {}), DataSetError);
}

TEST(ClientDataSet, WalksRowsInOrder)
{
    ClientDataSet ds;
    ds.setData(stockTable());
    QList<int> seen;
    for (ds.first(); !ds.eof(); ds.next())
        seen << int(ds.fieldByName("STOKNO").asInteger());
    EXPECT_EQ(seen, (QList<int>{10, 20, 30}));
    EXPECT_EQ(ds.recNo(), 3); // stays on the last row with eof set

    ds.prior();
    EXPECT_EQ(ds.recNo(), 2);
    EXPECT_FALSE(ds.eof());
    ds.first();
    ds.prior();
    EXPECT_TRUE(ds.bof());
    EXPECT_EQ(ds.recNo(), 1);

    ds.emptyDataSet();
    EXPECT_TRUE(ds.isActive());
    EXPECT_EQ(ds.recordCount(), 0);
    ds.first();
    EXPECT_TRUE(ds.eof());
    EXPECT_EQ(ds.recNo(), 0);
    EXPECT_TRUE(ds.fieldByName("STOKNO").isNull());
}

TEST(ClientDataSet, LocateMovesOnlyOnMatch)
{
    ClientDataSet ds;
    ds.setData(stockTable());
    EXPECT_TRUE(ds.locate("STOKKODU", QStringLiteral("B-2")));
    EXPECT_EQ(ds.recNo(), 2);
    EXPECT_TRUE(ds.locate("stokno", QStringLiteral("30"))); // converted to the field's type
    EXPECT_EQ(ds.recNo(), 3);
    EXPECT_TRUE(ds.locate("FIYAT", QVariant()));           // null matches null
    EXPECT_EQ(ds.recNo(), 2);
    EXPECT_FALSE(ds.locate("STOKNO", 99));
    EXPECT_FALSE(ds.locate("STOKNO", QStringLiteral("abc")));
    EXPECT_EQ(ds.recNo(), 2);
    EXPECT_THROW(ds.locate("YOK", 1), DataSetError);
}

TEST(ClientDataSet, EditPostAndCancel)
{
    ClientDataSet ds;
    ds.setData(stockTable());
    ds.moveTo(1);
    EXPECT_THROW(ds.fieldByName("FIYAT").setValue(2.0), DataSetError); // not editing

    ds.edit();
    ds.fieldByName("FIYAT").setValue(QStringLiteral("7.25"));
    EXPECT_DOUBLE_EQ(ds.fieldByName("FIYAT").asFloat(), 7.25); // edit buffer is visible
    EXPECT_TRUE(ds.isNull(1, 2));                             // stored value not yet
    ds.post();
    EXPECT_DOUBLE_EQ(ds.value(1, 2).toDouble(), 7.25);

    ds.edit();
    ds.fieldByName("STOKKODU").setValue(QStringLiteral("Değişti"));
    ds.cancel();
    EXPECT_EQ(ds.value(1, 1).toString(), QStringLiteral("B-2"));

    // A value the field cannot hold is refused at assignment and leaves the row alone.
    ds.edit();
    try {
        ds.fieldByName("STOKNO").setValue(QStringLiteral("on iki"));
        FAIL() << "bad integer accepted";
    } catch (const DataSetError& e) {
        EXPECT_NE(std::string(e.what()).find("STOKNO"), std::string::npos);
    }
    ds.fieldByName("STOKKODU").setValue(QStringLiteral("Yeni"));
    ds.next(); // moving posts the pending edit
    EXPECT_EQ(ds.state(), ClientDataSet::State::Browse);
    EXPECT_EQ(ds.value(1, 1).toString(), QStringLiteral("Yeni"));
    EXPECT_EQ(ds.value(1, 0).toInt(), 20);
}

TEST(ClientDataSet, RaggedTableIsRefusedAndDataKept)
{
    ClientDataSet ds;
    ds.setData(stockTable());
    DataTable ragged = stockTable();
    ragged.column(1).appendValue(QStringLiteral("fazla"));
    EXPECT_THROW(ds.setData(std::move(ragged)), DataSetError);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(ds.value(2, 1).toString(), QStringLiteral("C-3"));
}

TEST(ClientDataSet, CloseDropsRowsAndKeepsFields)
{
    ClientDataSet ds;
    ds.setData(stockTable());
    ds.close();
    EXPECT_FALSE(ds.isActive());
    EXPECT_EQ(ds.recordCount(), 0);
    EXPECT_TRUE(ds.eof());
    ds.emptyDataSet(); // no-op on a closed dataset
    EXPECT_THROW(ds.edit(), DataSetError);
    ds.open();
    EXPECT_TRUE(ds.isActive());
    EXPECT_EQ(ds.fieldCount(), 3);
    EXPECT_EQ(ds.recordCount(), 0);
}

TEST(ClientDataSet, DisplayTextFollowsFieldClassAndFormat)
{
    SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    ClientDataSet ds;
    ds.setData(makeTable({{"FIYAT", FieldType::Double}, {"TUTAR", FieldType::Currency}, {"ADET", FieldType::Int32},
                          {"TARIH", FieldType::Date}, {"ADI", FieldType::WideString}},
                         {{1234.5, 1234.5, 1234, QDate(2026, 12, 11), QStringLiteral("Şaft")},
                          {QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}}));
    EXPECT_EQ(ds.displayText(0, 0), QStringLiteral("1234.5"));
    EXPECT_EQ(ds.displayText(0, 1), QStringLiteral("1,234.50"));
    EXPECT_EQ(ds.displayText(0, 2), QStringLiteral("1234"));
    EXPECT_EQ(ds.displayText(0, 4), QStringLiteral("Şaft"));
    EXPECT_EQ(ds.displayText(1, 0), QString());

    ds.fieldByName("FIYAT").setDisplayFormat(kMoneyFormat);
    EXPECT_EQ(ds.displayText(0, 0), QStringLiteral("1,234.50"));
    ds.first();
    EXPECT_EQ(ds.fieldByName("FIYAT").displayText(), QStringLiteral("1,234.50"));

    SetCurrentLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(ds.displayText(0, 0), QStringLiteral("1.234,50"));
    EXPECT_EQ(ds.displayText(0, 3), QStringLiteral("11.12.2026"));

    // A reload rebuilds the fields: the format is gone with them.
    ds.setData(makeTable({{"FIYAT", FieldType::Double}}, {{2.0}}));
    EXPECT_EQ(ds.fieldByName("FIYAT").displayFormat(), QString());
}

} // namespace
