#include "login/datasetutils.h"
#include "platform/dataset/clientdataset.h"
#include "platform/format/formatfloat.h"
#include "support/sampletables.h"

#include <gtest/gtest.h>

namespace {

DataTable basket(std::initializer_list<int> flags)
{
    DataTable t = makeTable({{"SIRANO", FieldType::Int32}, {"SEC", FieldType::Int32}}, {});
    int sira = 1;
    for (int f : flags) {
        t.column(0).appendInt(sira++);
        t.column(1).appendInt(f);
    }
    return t;
}

TEST(DataSetUtils, DataSetHasRows)
{
    ClientDataSet ds;
    EXPECT_FALSE(DataSetHasRows(ds)); // never opened
    ds.setData(basket({}));
    EXPECT_FALSE(DataSetHasRows(ds));
    ds.setData(basket({0}));
    EXPECT_TRUE(DataSetHasRows(ds));
    ds.close();
    EXPECT_FALSE(DataSetHasRows(ds));
}

TEST(DataSetUtils, AnyRowSelectedStopsOnTheFirstSelectedRow)
{
    ClientDataSet ds;
    ds.setData(basket({0, 2, 1, 1}));
    ds.last();
    EXPECT_TRUE(AnyRowSelected(ds));
    EXPECT_EQ(ds.recNo(), 3);
    EXPECT_FALSE(ds.eof());
}

TEST(DataSetUtils, AnyRowSelectedFalseCases)
{
    ClientDataSet ds;
    EXPECT_FALSE(AnyRowSelected(ds)); // closed

    ds.setData(basket({}));
    EXPECT_FALSE(AnyRowSelected(ds)); // empty

    ds.setData(basket({0, 0, 0}));
    EXPECT_FALSE(AnyRowSelected(ds));
    EXPECT_TRUE(ds.eof()); // walked to the end
    EXPECT_EQ(ds.recNo(), 3);

    DataTable withNull = basket({0});
    withNull.column(0).appendInt(2);
    withNull.column(1).appendNull();
    ds.setData(std::move(withNull));
    EXPECT_FALSE(AnyRowSelected(ds));

    ds.setData(makeTable({{"SIRANO", FieldType::Int32}}, {{1}}));
    EXPECT_FALSE(AnyRowSelected(ds)); // no SEC field: nothing can be selected
}

TEST(DataSetUtils, SetFloatDisplayFormatsTouchesOnlyPlainFloats)
{
    ClientDataSet ds;
    ds.setData(makeTable({{"FIYAT", FieldType::Double}, {"ORAN", FieldType::Single}, {"TUTAR", FieldType::Currency},
                          {"KDVTUTAR", FieldType::BCD}, {"ADET", FieldType::Int32}, {"STOKADI", FieldType::WideString}},
                         {{1234.5, 0.5, 1234.5, 1234.5, 1234, QStringLiteral("x")}}));
    ds.fieldByName("TUTAR").setDisplayFormat(QStringLiteral(",0.00 TL;-,0.00 TL"));
    SetFloatDisplayFormats(ds);
    EXPECT_EQ(ds.fieldByName("FIYAT").displayFormat(), QString::fromLatin1(kMoneyFormat));
    EXPECT_EQ(ds.fieldByName("ORAN").displayFormat(), QString::fromLatin1(kMoneyFormat));
    EXPECT_EQ(ds.fieldByName("TUTAR").displayFormat(), QStringLiteral(",0.00 TL;-,0.00 TL"));
    EXPECT_EQ(ds.fieldByName("KDVTUTAR").displayFormat(), QString());
    EXPECT_EQ(ds.fieldByName("ADET").displayFormat(), QString());
    EXPECT_EQ(ds.fieldByName("STOKADI").displayFormat(), QString());

    SetCurrentLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(ds.displayText(0, 0), QStringLiteral("1.234,50"));
    EXPECT_EQ(ds.displayText(0, 4), QStringLiteral("1234"));
}

} // namespace
