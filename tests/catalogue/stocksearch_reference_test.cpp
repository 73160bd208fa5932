// The stock search against the real reference server.
#include "stocktabfixture.h"

#include "support/referenceserver.h"

#include <QTableView>

namespace {

const QString kConnectionMessage = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

class StockSearchReferenceTest : public StockTabFixture {
protected:
    void SetUp() override { openWindow(server.port()); }

    testsupport::ReferenceServer server;
};

TEST_F(StockSearchReferenceTest, SearchFillsTheGridWithMoneyFormats)
{
    window->sPageControl1->setCurrentIndex(1);
    search(QStringLiteral("fren"));

    ClientDataSet* stok = tab->dataSet();
    ASSERT_GT(stok->recordCount(), 0);
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(caption(), QStringLiteral("%1=Stok Listesi").arg(stok->recordCount()));
    EXPECT_EQ(window->sPageControl1->currentWidget(), tab->page());
    EXPECT_EQ(tab->grid()->rowCount(), stok->recordCount());
    EXPECT_FALSE(tab->grid()->isDetached());
    EXPECT_TRUE(araedit->isEnabled());
    EXPECT_TRUE(araedit->hasSelectedText());

    for (const char* money : {"FIYAT", "NETFIYAT", "KDVDAHIL", "LISTEFIYAT1", "KAMPFIYAT"}) {
        EXPECT_EQ(stok->fieldByName(QString::fromLatin1(money)).displayFormat(), QStringLiteral("#,###,##0.00"))
            << money;
    }
    // What the grid shows is the money text of the Turkish locale.
    const int column = tab->grid()->columnIndex(QStringLiteral("NETFIYAT"));
    const QModelIndex cell = tab->grid()->view()->model()->index(0, column);
    const double value = stok->value(tab->grid()->dataSetRow(0), stok->fieldIndex(QStringLiteral("NETFIYAT"))).toDouble();
    EXPECT_EQ(cell.data().toString(), FormatFloat(QStringLiteral("#,###,##0.00"), value,
                                                  QLocale(QLocale::Turkish, QLocale::Turkey)));
    EXPECT_TRUE(cell.data().toString().contains(QLatin1Char(',')));

    // Rows with the most in stock first.
    const int kalan = stok->fieldIndex(QStringLiteral("KALAN"));
    for (int r = 1; r < tab->grid()->rowCount(); ++r)
        ASSERT_GE(stok->value(tab->grid()->dataSetRow(r - 1), kalan).toDouble(),
                  stok->value(tab->grid()->dataSetRow(r), kalan).toDouble());
}

TEST_F(StockSearchReferenceTest, EmptyResultIsNoFailure)
{
    search(QStringLiteral("QQXQQXQQ"));
    EXPECT_EQ(tab->dataSet()->recordCount(), 0);
    EXPECT_EQ(caption(), QStringLiteral("0=Stok Listesi"));
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(StockSearchReferenceTest, StoppedServerEmptiesTheListWithOneMessage)
{
    search(QStringLiteral("fren"));
    ASSERT_GT(tab->dataSet()->recordCount(), 0);

    server.stop();
    search(QStringLiteral("fren"));

    EXPECT_EQ(tab->dataSet()->recordCount(), 0);
    EXPECT_EQ(tab->grid()->rowCount(), 0);
    EXPECT_EQ(caption(), QStringLiteral("Stok Listesi"));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().text, kConnectionMessage);
    EXPECT_EQ(messages.last().type, MsgDlgType::Error);
    EXPECT_TRUE(araedit->isEnabled());
}

TEST_F(StockSearchReferenceTest, ClearEmptiesListAndBox)
{
    search(QStringLiteral("fren"));
    ASSERT_GT(tab->dataSet()->recordCount(), 0);
    window->sPageControl1->setCurrentIndex(2);

    window->SpeedButton1->click();

    EXPECT_EQ(tab->dataSet()->recordCount(), 0);
    EXPECT_EQ(caption(), QStringLiteral("Stok Listesi"));
    EXPECT_TRUE(araedit->text().isEmpty());
    EXPECT_EQ(window->sPageControl1->currentWidget(), tab->page());
}

TEST_F(StockSearchReferenceTest, AnotherCustomerStartsFromAnEmptyList)
{
    search(QStringLiteral("fren"));
    ASSERT_GT(tab->dataSet()->recordCount(), 0);
    window->sPageControl1->setCurrentIndex(1);

    tab->CustomerChanged();

    EXPECT_EQ(tab->dataSet()->recordCount(), 0);
    EXPECT_EQ(caption(), QStringLiteral("0=Stok Listesi"));
    EXPECT_EQ(window->sPageControl1->currentWidget(), tab->page());
    EXPECT_EQ(araedit->selectedText(), QStringLiteral("FREN"));
}

} // namespace
