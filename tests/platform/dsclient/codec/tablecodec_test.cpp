#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/tablecodec.h"
#include "support/sampletables.h"

#include <gtest/gtest.h>
#include <cmath>

using dsclient::decodeTable;
using dsclient::encodeTable;
using dsclient::TableFormatError;

namespace {

// One descriptor in the wire's 13-entry form.
std::string descriptor(const std::string& name, int type, int size = 0)
{
    return "[\"" + name + "\"," + std::to_string(type) + ",0,0,0," + std::to_string(size) + ",0,0,true,false,0,false,false]";
}

TEST(TableCodec, RoundTripsEveryFieldKindWithNulls)
{
    const DataTable original = allKindsTable();
    const std::string text = encodeTable(original);
    const DataTable decoded = decodeTable(text);

    ASSERT_EQ(decoded.fieldCount(), original.fieldCount());
    ASSERT_EQ(decoded.rowCount(), 3);
    for (int c = 0; c < original.fieldCount(); ++c) {
        const Column& a = original.column(c);
        const Column& b = decoded.column(c);
        EXPECT_EQ(b.def().name, a.def().name);
        EXPECT_EQ(b.def().type, a.def().type) << a.def().name.toStdString();
        EXPECT_EQ(b.def().size, a.def().size);
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(b.isNull(r), a.isNull(r)) << a.def().name.toStdString() << " row " << r;
            EXPECT_EQ(b.value(r), a.value(r)) << a.def().name.toStdString() << " row " << r;
        }
    }
    EXPECT_EQ(encodeTable(decoded), text); // the encoder writes exactly what the decoder read
}

TEST(TableCodec, ReadsTheWireFormInServerOrder)
{
    const std::string text = "{\"table\":[" + descriptor("STOKNO", 6) + "," + descriptor("FIYAT", 7) + ","
                             + descriptor("SEC", 4) + ","
                             + "[\"STOKADI\",26,3,0,0,60,0,0,false,true,0,false,false]," + descriptor("TARIH", 2)
                             + "," + descriptor("SAAT", 10) + "," + descriptor("ZAMAN", 11) + "],"
                             + "\"STOKNO\":[3,1,2],\"FIYAT\":[10,2.5,null],\"SEC\":[true,false,null],"
                               "\"STOKADI\":[\"Şanzıman\",\"\\u00c7ubuk \\\"A\\\"\",null],"
                               "\"TARIH\":[\"2026-12-11\",null,\"2000-02-29\"],"
                               "\"SAAT\":[\"14:05:00\",\"00:00:00.250\",null],"
                               "\"ZAMAN\":[\"2026-12-11T14:05:00.000\",\"2026-12-11T14:05:00\",null]}";
    ClientDataSet ds;
    dsclient::loadTable(ds, text);
    ASSERT_EQ(ds.recordCount(), 3);
    QList<int> order;
    for (ds.first(); !ds.eof(); ds.next())
        order << int(ds.fieldByName("STOKNO").asInteger());
    EXPECT_EQ(order, (QList<int>{3, 1, 2}));
    EXPECT_DOUBLE_EQ(ds.value(0, 1).toDouble(), 10.0); // an integer in a float column
    EXPECT_EQ(ds.value(0, 2).toBool(), true);
    EXPECT_EQ(ds.value(1, 3).toString(), QStringLiteral("Çubuk \"A\""));
    EXPECT_EQ(ds.fieldByName("STOKADI").size(), 60);
    EXPECT_FALSE(ds.data().column(3).def().nullable);
    EXPECT_TRUE(ds.data().column(3).def().hidden);
    EXPECT_EQ(ds.value(2, 4).toDate(), QDate(2000, 2, 29));
    EXPECT_EQ(ds.value(1, 5).toTime(), QTime(0, 0, 0, 250));
    EXPECT_EQ(ds.value(0, 6).toDateTime(), ds.value(1, 6).toDateTime());
    for (int c = 1; c < ds.fieldCount(); ++c)
        EXPECT_TRUE(ds.isNull(2, c) || c == 4);
}

TEST(TableCodec, DecodesATableInsideAResultArray)
{
    const std::string answer = "{\"result\":[7," + encodeTable(makeTable({{"SEC", FieldType::Int32}}, {{1}, {0}}))
                               + ",\"tamam\"]}";
    simdjson::dom::parser parser;
    simdjson::dom::element root = parser.parse(answer);
    const DataTable table = decodeTable(root["result"].at(1).value());
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.column(0).intAt(0), 1);
}

TEST(TableCodec, EmptyTablesAndTablesWithoutColumns)
{
    const DataTable noRows = decodeTable(encodeTable(makeTable({{"SEC", FieldType::Int32}}, {})));
    EXPECT_EQ(noRows.fieldCount(), 1);
    EXPECT_EQ(noRows.rowCount(), 0);
    EXPECT_EQ(decodeTable("{\"table\":[]}").fieldCount(), 0);
}

TEST(TableCodec, MalformedInputGivesTableFormatErrorNamingTheColumn)
{
    const std::string sec = descriptor("SEC", 6);
    const std::string adi = descriptor("ADI", 26, 30);
    struct Case {
        const char* what;
        std::string text;
        const char* mentions;
    };
    const Case cases[] = {
        {"not JSON", "merhaba", "JSON"},
        {"truncated", "{\"table\":[" + sec + "],\"SEC\":[1,2", "JSON"},
        {"not an object", "[1,2]", "object"},
        {"no table", "{\"SEC\":[1]}", "\"table\""},
        {"table not an array", "{\"table\":5}", "\"table\""},
        {"descriptor not an array", "{\"table\":[\"SEC\"]}", "descriptor 0"},
        {"descriptor too short", "{\"table\":[[\"SEC\",6,0]],\"SEC\":[]}", "'SEC'"},
        {"unknown type code", "{\"table\":[" + descriptor("SEC", 99) + "],\"SEC\":[]}", "99"},
        {"descriptor type not a number", "{\"table\":[[\"SEC\",\"6\",0,0,0,0,0,0,true,false,0,false,false]],\"SEC\":[]}", "'SEC'"},
        {"duplicate column", "{\"table\":[" + sec + "," + descriptor("sec", 6) + "],\"SEC\":[],\"sec\":[]}", "twice"},
        {"column missing", "{\"table\":[" + sec + "," + adi + "],\"SEC\":[1]}", "'ADI'"},
        {"column not an array", "{\"table\":[" + sec + "],\"SEC\":1}", "'SEC'"},
        {"column of another length", "{\"table\":[" + sec + "," + adi + "],\"SEC\":[1,2],\"ADI\":[\"a\"]}", "'ADI'"},
        {"string in an integer column", "{\"table\":[" + sec + "],\"SEC\":[1,\"2\"]}", "'SEC'"},
        {"fraction in an integer column", "{\"table\":[" + sec + "],\"SEC\":[1.5]}", "'SEC'"},
        {"Int32 out of range", "{\"table\":[" + sec + "],\"SEC\":[4294967296]}", "range"},
        {"number in a text column", "{\"table\":[" + adi + "],\"ADI\":[12]}", "'ADI'"},
        {"text in a float column", "{\"table\":[" + descriptor("FIYAT", 7) + "],\"FIYAT\":[\"1,5\"]}", "'FIYAT'"},
        {"number in a boolean column", "{\"table\":[" + descriptor("AKTIF", 4) + "],\"AKTIF\":[1]}", "'AKTIF'"},
        {"impossible date", "{\"table\":[" + descriptor("TARIH", 2) + "],\"TARIH\":[\"2026-02-30\"]}", "'TARIH'"},
        {"date in another form", "{\"table\":[" + descriptor("TARIH", 2) + "],\"TARIH\":[\"11.12.2026\"]}", "'TARIH'"},
        {"bad time", "{\"table\":[" + descriptor("SAAT", 10) + "],\"SAAT\":[\"24:00:00\"]}", "'SAAT'"},
        {"date-time without time", "{\"table\":[" + descriptor("ZAMAN", 11) + "],\"ZAMAN\":[\"2026-12-11\"]}", "'ZAMAN'"},
    };
    for (const Case& c : cases) {
        ClientDataSet ds;
        ds.setData(makeTable({{"ESKI", FieldType::Int32}}, {{42}}));
        try {
            dsclient::loadTable(ds, c.text);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const TableFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << c.what << ": " << e.what();
        } catch (const std::exception& e) {
            ADD_FAILURE() << c.what << ": wrong exception " << e.what();
        }
        // The target keeps what it had.
        ASSERT_EQ(ds.recordCount(), 1) << c.what;
        EXPECT_EQ(ds.fieldByName("ESKI").asInteger(), 42) << c.what;
    }
}

TEST(TableCodec, EncoderRefusesValuesTheFormCannotCarry)
{
    EXPECT_THROW(encodeTable(makeTable({{"FIYAT", FieldType::Double}}, {{std::nan("")}})), std::exception);
    DataTable t = makeTable({{"FIYAT", FieldType::Double}}, {});
    t.column(0).appendDouble(INFINITY);
    EXPECT_THROW(encodeTable(t), TableFormatError);
    EXPECT_THROW(encodeTable(makeTable({{"TARIH", FieldType::Date}}, {{QDate(10000, 1, 1)}})), TableFormatError);
}

} // namespace
