#include "app/tform1.h"
#include "platform/os/processend.h"
#include "platform/widgets/busypicture.h"
#include "support/scriptedmessages.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A shown main window with the process end recorded instead of performed.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        processend::SetHandler([this](int code) { m_endCodes.append(code); });
        m_window = std::make_unique<TForm1>();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get(), 30000));
    }
    void TearDown() override
    {
        m_window.reset();
        processend::SetHandler({});
    }

    template <typename T>
    T* named(const QString& name) const
    {
        return m_window->findChild<T*>(name);
    }

    ScriptedMessages m_messages;
    QList<int> m_endCodes;
    std::unique_ptr<TForm1> m_window;
};

const QString kExitQuestion = QStringLiteral("Programdan Çıkmak İstiyor musunuz ?");

void ExpectExitQuestion(const ScriptedMessages& messages)
{
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().text, kExitQuestion);
    EXPECT_EQ(messages.last().type, MsgDlgType::Confirmation);
    EXPECT_EQ(messages.last().buttons, mbYes | mbNo);
    EXPECT_EQ(messages.last().defaultButton, mbYes);
}

} // namespace

TEST_F(ShellTest, TabsInOrderWithTheStockListActive)
{
    auto* tabs = named<QTabWidget>("sPageControl1");
    ASSERT_NE(tabs, nullptr);
    const QList<std::pair<QString, QString>> expected{
        {"sstoklistesi", "Stok Listesi"},    {"ssepet", "Sepet"},
        {"sonceki", "Önceki Siparişler"},    {"sccariekstre", "Cari Ekstre"},
        {"syeniler", "Yeni Stoklar"},        {"skampanyali", "Kampanyalı Stoklar"},
        {"sTabSheetduyuru", "Duyurular"},    {"sTabbakiyeler", "Bakiyeler"},
        {"ss", "Sanal Pos"},
    };
    ASSERT_EQ(tabs->count(), expected.size());
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->widget(i)->objectName(), expected[i].first);
        EXPECT_EQ(tabs->tabText(i), expected[i].second);
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(tabs->widget(0)->isVisible());
}

TEST_F(ShellTest, NamedControlsExistAndStartInTheirDesignState)
{
    const char* const visible[] = {"kullanicilbl", "cariadilbl", "saticilbl", "GifResim1",
                                   "araedit", "SpeedButton1", "SpeedButton2", "kayanyazi",
                                   "Panel3"};
    for (const char* name : visible) {
        auto* widget = named<QWidget>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_TRUE(widget->isVisible()) << name;
    }
    const char* const hidden[] = {"gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru",
                                  "gifekstre", "gifoncekiler", "musteritus",
                                  "RealTimeMarquee1"};
    for (const char* name : hidden) {
        auto* widget = named<QWidget>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(widget->isVisible()) << name;
    }
    for (const char* name : {"gifstokara", "gifoncekiler"})
        EXPECT_NE(named<BusyPicture>(name), nullptr) << name;

    EXPECT_EQ(named<QPushButton>("musteritus")->text(), "Başka Cari Seç");
    EXPECT_EQ(named<QToolButton>("SpeedButton2")->toolTip(), "Ara");
    EXPECT_EQ(named<QToolButton>("SpeedButton1")->toolTip(), "Temizle");
    EXPECT_EQ(named<QWidget>("RxGIFAnimator2")->height(), 0);
    EXPECT_EQ(named<QWidget>("Panel3")->height(), 27);

    // The header's caption labels, in their rows.
    QStringList captions;
    for (int i = 1; i <= 3; ++i)
        captions.append(named<QLabel>(QStringLiteral("caption%1").arg(i))->text());
    EXPECT_EQ(captions, (QStringList{"Kullanıcı: ", "Firma: ", "Temsilci: "}));
}

TEST_F(ShellTest, LegendExplainsTheStatesInOrder)
{
    auto* legend = named<QWidget>("Panel3");
    QStringList texts;
    for (QLabel* label : legend->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        texts.append(label->text());
    EXPECT_EQ(texts, (QStringList{"Durum Açıklaması:    ", " Stok mevcut  ", "  Az var    ",
                                  " Telefon Açınız  ", " Yolda  ", " Tedarik Sürecinde ",
                                  " Özel Sipariş  ", " Yok  "}));
}

TEST_F(ShellTest, GeneralMenuEntriesInOrderWithSeparators)
{
    auto* menu = named<QMenu>("Genelmenu");
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction* action : menu->actions())
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(entries, (QStringList{"MailMenuItem", "-", "SifreMenuItem", "-", "WebSiteMenuItem",
                                    "-", "G1", "-", "R1"}));
    EXPECT_EQ(menu->actions()[0]->text(), "Mail Gönder");
    EXPECT_EQ(menu->actions()[2]->text(), "Şifre Değiştirme İsteği");
    EXPECT_EQ(m_window->G1->text(), "Çıkış");
    EXPECT_EQ(m_window->R1->text(), "Raporlar");
    EXPECT_FALSE(m_window->R1->isVisible());

    // The split button opens this menu; pressing the button itself does nothing.
    auto* button = named<QToolButton>("Genelmenubutton");
    EXPECT_EQ(button->menu(), menu);
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    EXPECT_EQ(m_messages.count(), 0);
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(ShellTest, SearchBoxTakesCapitals)
{
    auto* edit = named<QLineEdit>("araedit");
    QTest::keyClicks(edit, "fren balata");
    EXPECT_EQ(edit->text(), "FREN BALATA");
}

TEST_F(ShellTest, NoToTheExitQuestionKeepsTheWindow)
{
    m_window->sPageControl1->setCurrentIndex(3);
    m_messages.answer(mrNo);
    EXPECT_FALSE(m_window->close());
    ExpectExitQuestion(m_messages);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_window->sPageControl1->currentIndex(), 3);
    EXPECT_TRUE(m_endCodes.isEmpty());
    EXPECT_NE(m_window->sbilgi, nullptr);
    EXPECT_EQ(m_window->_acilisadet, 0);
}

TEST_F(ShellTest, YesToTheExitQuestionEndsTheProcessWithZero)
{
    m_messages.answer(mrYes);
    m_window->close();
    ExpectExitQuestion(m_messages);
    EXPECT_EQ(m_endCodes, QList<int>{0});
}

TEST_F(ShellTest, CikisAsksTheSameQuestion)
{
    m_messages.answer(mrNo);
    m_window->G1->trigger();
    ExpectExitQuestion(m_messages);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_endCodes.isEmpty());

    m_messages.clear();
    m_messages.answer(mrYes);
    m_window->G1->trigger();
    ExpectExitQuestion(m_messages);
    EXPECT_EQ(m_endCodes, QList<int>{0});
}

TEST_F(ShellTest, ShellFontIsBoldThirteenPixels)
{
    const QFont font = named<QLabel>("kullanicilbl")->font();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_TRUE(font.families().contains("Tahoma"));
}
