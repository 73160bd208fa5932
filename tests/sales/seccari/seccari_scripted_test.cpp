// The customer selection window against a scripted server: the exact text
// sent, the counter captions and rows the reference data does not have.
#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/tablecodec.h"
#include "sales/customergrid.h"
#include "sales/seccariu.h"
#include "server/baglantiu.h"
#include "support/recordingserver.h"
#include "support/sampletables.h"
#include "support/scriptedmessages.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

using testsupport::RecordingServer;
using testsupport::ScriptedAnswer;

std::string resultOf(const QJsonValue& value)
{
    return QJsonDocument(QJsonObject{{"result", QJsonArray{value}}}).toJson(QJsonDocument::Compact).toStdString();
}

std::string tableAnswer(const DataTable& table)
{
    return "{\"result\":[" + dsclient::encodeTable(table) + "]}";
}

// Customers whose numbers cannot be chosen (0, empty) before one that can.
DataTable customersTable()
{
    return makeTable({{"CARINO", FieldType::Int32}, {"CARIKOD", FieldType::WideString},
                      {"CARIADI", FieldType::WideString}, {"TLBAKIYE", FieldType::Double},
                      {"DURUM", FieldType::WideString}, {"ILCE", FieldType::WideString},
                      {"IL", FieldType::WideString}},
                     {{0, "120.0000", "Merkez Şube", 10.0, "Aktif", "Kadıköy", "İstanbul"},
                      {QVariant(), "120.9999", "Numarasız Cari", QVariant(), "Pasif", QVariant(), "Bursa"},
                      {7, "120.0007", "Işık Oto Ltd. Şti.", 1234.5, "Aktif", "Çankaya", "Ankara"}});
}

class SeccariScriptedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.setDefault("CariAra", ScriptedAnswer::Json(tableAnswer(customersTable())));
        bag.setHostName("127.0.0.1");
        bag.setPort(QString::number(server.port()));
        sbilgi.setADI("SATICI");
        sbilgi.setMusteriTipi(1);
        sbilgi.setSaticiNo(1);
        sbilgi.setBILGISAYARID("M1");
        window = std::make_unique<Tseccari>(bag, sbilgi);
        window->resize(1200, 600);
        window->show();
    }

    QString sentSearchText()
    {
        const auto requests = server.requests("CariAra");
        if (requests.empty())
            return "<none>";
        const QJsonArray params = QJsonDocument::fromJson(QByteArray::fromStdString(requests.back().body))
                                      .object()
                                      .value("_parameters")
                                      .toArray();
        return params.at(1).toString();
    }

    void doubleClickRow(int row)
    {
        CustomerGrid* grid = window->cxGrid1DBTableView1;
        const QModelIndex index = grid->model()->index(row, 1); // CARIKOD; CARINO is hidden
        grid->scrollTo(index);
        const QPoint at = grid->visualRect(index).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    }

    RecordingServer server;
    dsclient::DSConnection bag;
    TSonucBilgisi sbilgi;
    std::unique_ptr<Tseccari> window;
    ScriptedMessages messages;
};

} // namespace

TEST_F(SeccariScriptedTest, SearchTextHasDotlessIReplacedAndBlanksTrimmed)
{
    const std::pair<QString, QString> cases[] = {
        {"  kırmızı ", "kirmizi"}, {"IŞIK", "IŞIK"}, {"ılık  İzmir", "ilik  İzmir"}, {"   ", ""}, {"", ""}};
    for (const auto& [typed, sent] : cases) {
        SCOPED_TRACE(typed.toStdString());
        window->NEdit1->setText(typed);
        QTest::keyClick(window->NEdit1, Qt::Key_Return);
        EXPECT_EQ(sentSearchText(), sent);
        EXPECT_EQ(window->NEdit1->selectedText(), typed);
    }
    // "Tüm Carileri Listeler" clears the box and lists everything.
    window->NEdit1->setText("OTO");
    QTest::mouseClick(window->sBitBtn2, Qt::LeftButton);
    EXPECT_EQ(window->NEdit1->text(), "");
    EXPECT_EQ(sentSearchText(), "");
    EXPECT_EQ(window->CARILER().recordCount(), 3);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(SeccariScriptedTest, BasketCountBelowOneLeavesItsCaptionEmptyWhileStateCountersShowZero)
{
    TTusSonuclari counters;
    counters.setOnaylandi(3);
    counters.setSevkEdildi(12);
    server.setDefault("TusSonuclariVer", ScriptedAnswer::Json(resultOf(counters.toJson())));
    ASSERT_TRUE(window->TusSonuclari());
    EXPECT_EQ(window->alinditus->text(), "0");
    EXPECT_EQ(window->onaylanditus->text(), "3");
    EXPECT_EQ(window->goruldutus->text(), "0");
    EXPECT_EQ(window->parcalihazirlandi->text(), "0");
    EXPECT_EQ(window->hazirlanditus->text(), "0");
    EXPECT_EQ(window->sevktus->text(), "12");

    for (const auto& [count, caption] : {std::pair{0, ""}, std::pair{5, "5"}, std::pair{-2, ""}, std::pair{1, "1"}}) {
        server.setDefault("SepetSayisi", ScriptedAnswer::Json(resultOf(count)));
        ASSERT_TRUE(window->SepetSayisiYaz());
        EXPECT_EQ(window->sepettus->text(), caption) << count;
    }
}

TEST_F(SeccariScriptedTest, OnlyARowWithAPositiveNumberCanBeChosen)
{
    const TSonucBilgisi before = sbilgi;
    QTest::keyClick(window->NEdit1, Qt::Key_Return);
    ASSERT_EQ(window->CARILER().recordCount(), 3);
    // The details follow the focused row, null values shown empty.
    EXPECT_EQ(window->findChild<QLabel*>("ilce")->text(), "Kadıköy/İstanbul");
    EXPECT_EQ(window->findChild<QLabel*>("cariadi")->text(), "Merkez Şube");

    for (int row : {0, 1}) {
        doubleClickRow(row);
        EXPECT_TRUE(window->isVisible()) << row;
        EXPECT_EQ(window->result(), 0) << row;
        EXPECT_EQ(sbilgi, before) << row;
    }
    EXPECT_EQ(window->findChild<QLabel*>("ilce")->text(), "/Bursa");
    EXPECT_EQ(window->findChild<QLabel*>("bakiye")->text(), " Pasif");

    doubleClickRow(2);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    TSonucBilgisi expected = before;
    expected.setCARINO(7);
    expected.setcarikod("120.0007");
    expected.setCariAdi("Işık Oto Ltd. Şti.");
    EXPECT_EQ(sbilgi, expected);
}

TEST_F(SeccariScriptedTest, AServerErrorIsShownAndKeepsTheList)
{
    QTest::keyClick(window->NEdit1, Qt::Key_Return);
    ASSERT_EQ(window->CARILER().recordCount(), 3);
    server.enqueue("CariSepetVer", ScriptedAnswer::Error("Satıcı bulunamadı"));
    server.enqueue("CariSepetVer", ScriptedAnswer::Json(R"({"result":[{"table":"not a table"}]})"));
    for (const char* shown : {"Satıcı bulunamadı", ""}) {
        QTest::mouseClick(window->hazirlanditus, Qt::LeftButton);
        ASSERT_GT(messages.count(), 0);
        if (*shown) {
            EXPECT_EQ(messages.last().text, shown);
        }
        EXPECT_EQ(messages.last().type, MsgDlgType::Error);
        EXPECT_EQ(window->CARILER().recordCount(), 3);
    }
    EXPECT_EQ(messages.count(), 2);
}
