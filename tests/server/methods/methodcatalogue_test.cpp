#include "server/methodcatalogue.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cstring>

using namespace catalogue;

TEST(MethodCatalogue, IsSortedAndEveryNameIsFound)
{
    auto methods = Methods();
    ASSERT_GE(methods.size(), 50u);
    for (std::size_t i = 1; i < methods.size(); ++i)
        EXPECT_LT(std::strcmp(methods[i - 1].name, methods[i].name), 0)
            << methods[i].name;
    for (const Method& m : methods)
        EXPECT_EQ(FindMethod(QLatin1String(m.name)), &m) << m.name;
    EXPECT_EQ(FindMethod("stokaragetir"), nullptr);
    EXPECT_EQ(FindMethod("Unknown"), nullptr);
}

TEST(MethodCatalogue, RecordsNameTheirTypeAndOutParametersAreStreamSizes)
{
    for (const Method& m : Methods()) {
        if (m.result == Kind::Record)
            EXPECT_NE(m.resultRecordType, nullptr) << m.name;
        QSet<QString> names;
        for (const Parameter& p : m.parameters) {
            EXPECT_FALSE(names.contains(p.name)) << m.name << " repeats " << p.name;
            names.insert(p.name);
            if (p.kind == Kind::Record)
                EXPECT_NE(p.recordType, nullptr) << m.name;
            if (p.direction == Direction::Out) {
                EXPECT_EQ(p.kind, Kind::Int64) << m.name;
                EXPECT_EQ(m.result, Kind::Stream) << m.name;
            }
        }
    }
}

TEST(MethodCatalogue, KnownShapes)
{
    const Method* sepetEkle = FindMethod("SepetEkle2");
    ASSERT_TRUE(sepetEkle);
    EXPECT_EQ(sepetEkle->inputCount(), 14);
    EXPECT_EQ(sepetEkle->parameters[10].name, std::string("k"));
    EXPECT_EQ(FindMethod("SepetGuncelle2")->parameters[10].name, std::string("_sepetsirano"));
    EXPECT_EQ(FindMethod("MailGonserCari")->inputCount(), 16);
    EXPECT_EQ(FindMethod("MailGonserCariNormal")->inputCount(), 17);
    EXPECT_EQ(FindMethod("RaporGetir")->inputCount(), 7);
    EXPECT_EQ(FindMethod("RaporGetir")->outputCount(), 1);
    EXPECT_EQ(FindMethod("SepetSecimGuncelle")->result, Kind::None);
    EXPECT_EQ(FindMethod("StokAraGetir")->parameters[1].kind, Kind::Record);
    EXPECT_EQ(FindMethod("AcilisReklamAdet")->inputCount(), 0);
}
