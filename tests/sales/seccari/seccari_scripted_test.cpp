// The customer selection window against a scripted server: the exact text
// sent, the counter captions and rows the reference data does not have.
#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/tablecodec.h"
#include "platform/grid/datagrid.h"
#include "sales/seccariu.h"
#include "server/baglantiu.h"
#include "support/recordingserver.h"
#include "support/sampletables.h"
#include "support/scriptedmessages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QJsonArray>
#include <QKeyEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
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

// Types each character as a key press with its text (Turkish letters included).
void typeInto(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
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
        QTableView* view = window->cxGrid1DBTableView1->view();
        // CARIKOD: CARINO is hidden.
        const QModelIndex index = view->model()->index(row, window->cxGrid1DBTableView1->columnIndex("CARIKOD"));
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }

    RecordingServer server;
    dsclient::DSConnection bag;
    TSonucBilgisi sbilgi;
    std::unique_ptr<Tseccari> window;
    ScriptedMessages messages;
};

} // namespace

TEST_F(SeccariScriptedTest, DotlessIAndDottedISearchAlikeAndBlanksAreTrimmed)
{
    // Typed letters become capitals, "ı" and "i" alike; what is left of a
    // dotless "ı" in the text is searched as "i".
    const std::pair<QString, QString> cases[] = {{"  kırmızı ", "KIRMIZI"}, {"kirmizi", "KIRMIZI"},
                                                 {"ılık  İzmir", "ILIK  İZMIR"}, {"   ", ""}, {"", ""}};
    for (const auto& [typed, sent] : cases) {
        SCOPED_TRACE(typed.toStdString());
        window->NEdit1->clear();
        typeInto(window->NEdit1, typed);
        QTest::keyClick(window->NEdit1, Qt::Key_Return);
        EXPECT_EQ(sentSearchText(), sent);
        EXPECT_EQ(window->NEdit1->selectedText(), window->NEdit1->text());
    }
    EXPECT_EQ(Tseccari::ReplaceDotlessI("ılık Işık"), "ilik Işik");
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
