// The stock search against a scripted server: the exact text sent, searches
// that are still running, and packets the reference data never sends.
#include "stocktabfixture.h"

#include "platform/dsclient/tablecodec.h"
#include "support/recordingserver.h"
#include "support/sampletables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using testsupport::RecordingServer;
using testsupport::ScriptedAnswer;

const QString kTooShort = QStringLiteral("Lütfen en az 3 harf giriniz !");

DataTable stockTable(bool withInd1)
{
    if (!withInd1)
        return makeTable({{"STOK_STOKNO", FieldType::Int32}, {"ADI", FieldType::WideString}},
                         {{1, QStringLiteral("Fren balatası")}});
    return makeTable({{"STOK_STOKNO", FieldType::Int32}, {"ADI", FieldType::WideString},
                      {"IND1", FieldType::Double}, {"FIYAT", FieldType::Double}, {"KALAN", FieldType::Double}},
                     {{1, QStringLiteral("Fren balatası"), 5.0, 100.0, 3.0},
                      {2, QStringLiteral("Fren diski"), 0.0, 250.5, 9.0}});
}

std::string answerOf(const DataTable& table)
{
    return "{\"result\":[" + dsclient::encodeTable(table) + "]}";
}

class StockSearchScriptedTest : public StockTabFixture {
protected:
    void SetUp() override
    {
        server.setDefault("StokAraGetir", ScriptedAnswer::Json(answerOf(stockTable(true))));
        openWindow(server.port());
    }

    std::vector<QString> sentTexts() const
    {
        std::vector<QString> texts;
        for (const auto& request : server.requests("StokAraGetir"))
            texts.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(request.body))
                                .object()
                                .value(QStringLiteral("_parameters"))
                                .toArray()
                                .at(0)
                                .toString());
        return texts;
    }

    RecordingServer server;
};

TEST_F(StockSearchScriptedTest, LetterMappingAndTheThreeLetterRule)
{
    struct Case {
        QString typed;
        bool enter;
        QString box;     // the search box afterwards
        QString warning; // the message shown, empty for none
        QString sent;    // the text the server received, empty for no call
    };
    const Case cases[] = {
        {QStringLiteral("çözüm"), false, QStringLiteral("COZUM"), {}, {}},
        {QStringLiteral("ılık"), false, QStringLiteral("ILIK"), {}, {}},
        {QStringLiteral("ĞÜŞİÖÇ ğüşiöç"), false, QStringLiteral("GUSIOC GUSIOC"), {}, {}},
        {QStringLiteral("  ab "), true, QStringLiteral("  AB "), kTooShort, {}},
        {QStringLiteral(" abc"), true, QStringLiteral(" ABC"), {}, QStringLiteral(" ABC")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        messages.clear();
        const size_t before = sentTexts().size();
        araedit->clear();
        type(c.typed);
        EXPECT_EQ(araedit->text(), c.box);
        if (c.enter) {
            pressEnter();
            QTRY_VERIFY_WITH_TIMEOUT(!tab->isSearching(), 30000);
        }
        if (c.warning.isEmpty()) {
            EXPECT_EQ(messages.count(), 0);
        } else {
            ASSERT_EQ(messages.count(), 1);
            EXPECT_EQ(messages.last().text, c.warning);
            EXPECT_EQ(messages.last().type, MsgDlgType::Warning);
            EXPECT_EQ(messages.last().buttons, MsgDlgButtons(mbOK));
        }
        const auto sent = sentTexts();
        if (c.sent.isEmpty()) {
            EXPECT_EQ(sent.size(), before);
        } else {
            ASSERT_EQ(sent.size(), before + 1);
            EXPECT_EQ(sent.back(), c.sent);
        }
    }
}

TEST_F(StockSearchScriptedTest, OneSearchAtATime)
{
    server.enqueue("StokAraGetir", ScriptedAnswer::Delayed(answerOf(stockTable(true)), 1500));
    type(QStringLiteral("fren"));
    pressEnter();
    ASSERT_TRUE(tab->isSearching());
    EXPECT_FALSE(araedit->isEnabled());
    pressEnter();
    window->SpeedButton2->click();
    // "Temizle" while the search runs changes nothing.
    window->SpeedButton1->click();
    EXPECT_EQ(araedit->text(), QStringLiteral("FREN"));

    QTRY_VERIFY_WITH_TIMEOUT(!tab->isSearching(), 30000);
    EXPECT_EQ(sentTexts().size(), 1u);
    EXPECT_EQ(tab->dataSet()->recordCount(), 2);
    EXPECT_EQ(caption(), QStringLiteral("2=Stok Listesi"));
    EXPECT_EQ(araedit->text(), QStringLiteral("FREN"));
}

TEST_F(StockSearchScriptedTest, FailedSearchesEmptyTheListWithOneMessage)
{
    const std::pair<const char*, ScriptedAnswer> failures[] = {
        {"a packet without IND1", ScriptedAnswer::Json(answerOf(stockTable(false)))},
        {"a server error", ScriptedAnswer::Error("stok tablosu kilitli")},
        {"garbage", ScriptedAnswer::Json("{\"result\":[{\"table\":7}]}")},
    };
    for (const auto& [what, answer] : failures) {
        SCOPED_TRACE(what);
        search(QStringLiteral("fren"));
        ASSERT_EQ(tab->dataSet()->recordCount(), 2);
        messages.clear();

        server.enqueue("StokAraGetir", answer);
        search(QStringLiteral("fren"));

        EXPECT_EQ(tab->dataSet()->recordCount(), 0);
        EXPECT_EQ(tab->grid()->rowCount(), 0);
        EXPECT_EQ(caption(), QStringLiteral("Stok Listesi"));
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().type, MsgDlgType::Error);
        EXPECT_TRUE(araedit->isEnabled());
        EXPECT_FALSE(tab->dataSet()->controlsDisabled());
    }
}

TEST_F(StockSearchScriptedTest, RowActionsNeedAFocusedRow)
{
    QList<int> basket, orders;
    QObject::connect(tab, &StockListTab::addToBasketRequested, [&](int no) { basket.append(no); });
    QObject::connect(tab, &StockListTab::showAllOrdersRequested, [&](int no) { orders.append(no); });
    tab->S2Click();
    tab->S3Click();
    EXPECT_TRUE(basket.isEmpty());
    EXPECT_TRUE(orders.isEmpty());

    search(QStringLiteral("fren"));
    tab->grid()->focusRow(0);
    tab->S3Click();
    tab->cxGrid1DBTableView1DblClick();
    EXPECT_EQ(orders, QList<int>{1});
    EXPECT_EQ(basket, QList<int>{1});
}

} // namespace
