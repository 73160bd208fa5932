// The customer selection window against the real reference server.
#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/os/processend.h"
#include "platform/grid/datagrid.h"
#include "sales/seccariu.h"
#include "server/proxim.h"
#include "support/referenceserver.h"
#include "support/scriptedmessages.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

using testsupport::ReferenceServer;

constexpr const char* kMachine = "SECCARITEST";

class SeccariTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = new ReferenceServer;
        server->registerMachine(kMachine, "SATICI");
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        bag.setHostName("127.0.0.1");
        bag.setPort(QString::number(server->port()));
        TServerMethods1Client proxy(bag);
        const auto record = proxy.BuyukGetir(kMachine);
        ASSERT_TRUE(record && record->MusteriTipi() == 1);
        sbilgi = *record;
        bag.close();
        processend::SetHandler([this](int code) { exitCodes.push_back(code); });
        window = std::make_unique<Tseccari>(bag, sbilgi);
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        processend::SetHandler({});
    }

    // What the server lists for this salesperson, by customer code.
    QStringList codesFromServer(const std::function<DataTable(TServerMethods1Client&)>& call)
    {
        TServerMethods1Client proxy(bag);
        DataTable table = call(proxy);
        bag.close();
        ClientDataSet ds;
        ds.setData(std::move(table));
        return codesOf(ds);
    }
    static QStringList codesOf(ClientDataSet& ds)
    {
        QStringList codes;
        for (ds.first(); !ds.eof(); ds.next())
            codes << ds.fieldByName("CARIKOD").asString();
        return codes;
    }

    void search(const QString& text)
    {
        window->NEdit1->setText(text);
        QTest::keyClick(window->NEdit1, Qt::Key_Return);
    }
    QString detail(const char* name) const
    {
        return window->findChild<QLabel*>(name)->text();
    }

    static ReferenceServer* server;
    dsclient::DSConnection bag;
    TSonucBilgisi sbilgi;
    std::unique_ptr<Tseccari> window;
    std::vector<int> exitCodes;
    ScriptedMessages messages;
};

ReferenceServer* SeccariTest::server = nullptr;

} // namespace

TEST_F(SeccariTest, OpeningFetchesTheCountersAndStartsEmpty)
{
    ASSERT_TRUE(window->SepetSayisiYaz());
    ASSERT_TRUE(window->TusSonuclari());
    TServerMethods1Client proxy(bag);
    const qint32 baskets = proxy.SepetSayisi(CopyLoginRecord(sbilgi));
    const auto counters = proxy.TusSonuclariVer(CopyLoginRecord(sbilgi));
    bag.close();
    ASSERT_TRUE(counters);
    EXPECT_EQ(window->sepettus->text(), baskets < 1 ? QString() : QString::number(baskets));
    EXPECT_EQ(window->alinditus->text(), QString::number(counters->Alindi()));
    EXPECT_EQ(window->onaylanditus->text(), QString::number(counters->Onaylandi()));
    EXPECT_EQ(window->goruldutus->text(), QString::number(counters->Goruldu()));
    EXPECT_EQ(window->parcalihazirlandi->text(), QString::number(counters->ParcaliHazirlandi()));
    EXPECT_EQ(window->hazirlanditus->text(), QString::number(counters->Hazirlandi()));
    EXPECT_EQ(window->sevktus->text(), QString::number(counters->SevkEdildi()));
    EXPECT_EQ(window->CARILER().recordCount(), 0);
    EXPECT_TRUE(window->cariBilgileri->isHidden());
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(SeccariTest, BlankTextListsAllAndChoosingWritesOnlyTheCustomerFields)
{
    const QStringList all = codesFromServer([&](auto& p) { return p.CariAra(CopyLoginRecord(sbilgi), ""); });
    ASSERT_GT(all.size(), 2);

    search("   ");
    EXPECT_EQ(codesOf(window->CARILER()), all);
    DataGrid* grid = window->cxGrid1DBTableView1;
    EXPECT_EQ(grid->footerText(grid->columnIndex("CARIKOD")), QString::number(all.size()));
    EXPECT_FALSE(grid->isColumnShown(grid->columnIndex("CARINO")));
    EXPECT_TRUE(grid->isColumnOffered(grid->columnIndex("CARINO")));
    EXPECT_EQ(window->NEdit1->selectedText(), "   ");
    // The first row is focused and fills the details.
    ASSERT_FALSE(window->cariBilgileri->isHidden());
    EXPECT_EQ(detail("carikod"), all.front());
    EXPECT_TRUE(detail("bakiye").contains(' '));
    EXPECT_TRUE(detail("ilce").contains('/'));

    // Blanks around a code are ignored; the one customer found is chosen.
    const QString code = all.at(2);
    search("  " + code + " ");
    ASSERT_EQ(window->CARILER().recordCount(), 1);
    ClientDataSet& ds = window->CARILER();
    const qint32 carino = qint32(ds.fieldByName("CARINO").asInteger());
    const QString cariadi = ds.fieldByName("CARIADI").asString();

    TSonucBilgisi expected = sbilgi;
    expected.setCARINO(carino);
    expected.setcarikod(code);
    expected.setCariAdi(cariadi);
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(sbilgi, expected);
    EXPECT_GT(carino, 0);
}

TEST_F(SeccariTest, EveryStateButtonListsItsState)
{
    const std::pair<QToolButton*, int> buttons[] = {
        {window->sepettus, 1},          {window->alinditus, 2},     {window->onaylanditus, 3},
        {window->goruldutus, 4},        {window->parcalihazirlandi, 5}, {window->hazirlanditus, 6},
        {window->sevktus, 7}};
    for (const auto& [button, code] : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        const QStringList expected =
            codesFromServer([&, code = code](auto& p) { return p.CariSepetVer(CopyLoginRecord(sbilgi), code); });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(codesOf(window->CARILER()), expected);
        EXPECT_EQ(window->cariBilgileri->isHidden(), expected.isEmpty());
    }
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(SeccariTest, NoMatchHidesTheDetails)
{
    search("");
    ASSERT_FALSE(window->cariBilgileri->isHidden());
    search("BÖYLEBİRCARİYOK");
    EXPECT_EQ(window->CARILER().recordCount(), 0);
    EXPECT_TRUE(window->cariBilgileri->isHidden());
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(SeccariTest, TypedLettersBecomeCapitals)
{
    window->NEdit1->clear();
    QTest::keyClicks(window->NEdit1, "oto");
    EXPECT_EQ(window->NEdit1->text(), "OTO");
}

TEST_F(SeccariTest, VazgecEndsTheProgram)
{
    QTest::mouseClick(window->Button2, Qt::LeftButton);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

TEST_F(SeccariTest, AServerThatIsDownKeepsTheListAndSaysSo)
{
    search("");
    const int rows = window->CARILER().recordCount();
    ASSERT_GT(rows, 0);
    server->stop();
    QTest::mouseClick(window->sBitBtn2, Qt::LeftButton);
    const bool counted = window->SepetSayisiYaz();
    server->start();
    EXPECT_FALSE(counted);
    EXPECT_EQ(window->CARILER().recordCount(), rows);
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.last().text, "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");
    EXPECT_TRUE(window->isVisible());
}
