#include "app/tform1.h"
#include "login/girisformu.h"
#include "platform/grid/datagrid.h"
#include "platform/dsclient/callbackchannel.h"
#include "platform/dsclient/dsconnection.h"
#include "sales/seccariu.h"
#include "server/baglantiu.h"
#include "server/deployment.h"
#include "support/loginenvironment.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testsupport::LoginEnvironment;
using testsupport::ModalWatcher;

namespace {

constexpr int kLimitMs = 60000;

// The main window's start-up against the reference server, with the login
// window (and the customer selection of a salesperson) driven by the test.
class StartupTest : public ::testing::Test {
protected:
    using CustomerStep = std::function<void(Tseccari&)>;

    // Runs FormCreate for `user`; `onCustomers` answers the customer selection.
    void start(const QString& user, CustomerStep onCustomers = {}, std::function<void()> beforeLogin = {})
    {
        env.registerThisMachine(user);
        form = std::make_unique<TForm1>();
        loaded = std::make_unique<QSignalSpy>(form.get(), &TForm1::homeContentLoaded);
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* login = qobject_cast<Tgirisform*>(modal)) {
                if (beforeLogin)
                    beforeLogin();
                loginShown = true;
                login->adi->setText(user);
                login->sifre->setText(QStringLiteral("1234"));
                QTest::mouseClick(login->Button1, Qt::LeftButton);
            } else if (auto* customers = qobject_cast<Tseccari*>(modal)) {
                atSelection = *form->sbilgi;
                if (onCustomers)
                    onCustomers(*customers);
            }
        });
        form->FormCreate();
    }

    // Lists every customer and chooses the first one.
    static void chooseFirstCustomer(Tseccari& window)
    {
        window.NEdit1->clear();
        QTest::keyClick(window.NEdit1, Qt::Key_Return);
        DataGrid* grid = window.cxGrid1DBTableView1;
        ASSERT_GT(grid->rowCount(), 0);
        grid->focusRow(grid->dataSetRow(0));
        window.Button1Click();
    }

    bool waitForHomeContent() { return QTest::qWaitFor([&] { return loaded->count() > 0; }, kLimitMs); }

    bool campaignTabVisible() const
    {
        return form->sPageControl1->isTabVisible(form->sPageControl1->indexOf(
            form->sPageControl1->findChild<QWidget*>(QStringLiteral("skampanyali"))));
    }

    LoginEnvironment env;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<QSignalSpy> loaded;
    bool loginShown = false;
    TSonucBilgisi atSelection;
};

} // namespace

TEST_F(StartupTest, DealerGetsTheDesignDefaultsTheHeaderAndTheChannel)
{
    start(QStringLiteral("BAYI"), {}, [this] { form->setWindowState(Qt::WindowMinimized); });
    ASSERT_TRUE(loginShown);
    EXPECT_TRUE(env.ends.isEmpty());
    EXPECT_EQ(form->windowTitle(), "Velkora B2B Programı");
    EXPECT_EQ(form->WebSiteMenuItem->text(), env.server.baseUrl());
    EXPECT_EQ(form->bagc->hostName(), "127.0.0.1");
    EXPECT_EQ(form->bagc->port(), QString::number(env.server.port()));
    EXPECT_EQ(form->sbilgi->BILGISAYARID(), LoginEnvironment::kMachineId);
    EXPECT_EQ(form->sbilgi->MusteriTipi(), 0);
    EXPECT_FALSE(form->musteritus->isVisibleTo(form.get()));
    EXPECT_FALSE(form->R1->isVisible());
    EXPECT_TRUE(campaignTabVisible());

    // The channel is registered without waiting for the home content.
    ASSERT_NE(form->DSClientCallbackChannelManager1, nullptr);
    EXPECT_EQ(form->DSClientCallbackChannelManager1->settings().channelName, "Morvilo");
    EXPECT_EQ(form->DSClientCallbackChannelManager1->settings().managerId, "MorviloId");
    EXPECT_EQ(form->DSClientCallbackChannelManager1->settings().port, QString::number(env.server.port()));

    ASSERT_TRUE(waitForHomeContent());
    const TSonucBilgisi& record = *form->sbilgi;
    EXPECT_EQ(form->kullanicilbl->text(), "BAYI");
    EXPECT_EQ(form->cariadilbl->text(), record.CariAdi());
    EXPECT_FALSE(record.CariAdi().isEmpty());
    EXPECT_EQ(form->saticilbl->text(), record.SaticiAdi() + " Telefonu: " + record.SaticiTelefon()
                                           + " email: " + record.SaticiMail());
    // Minimised during start-up, back maximised once the home content is in.
    EXPECT_FALSE(form->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);

    // A server notification reloads the header.
    form->kullanicilbl->clear();
    int polls = 0;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            if (polls++ % 50 == 0)
                env.server.notify(); // again until the channel stands
            return form->kullanicilbl->text() == "BAYI";
        },
        kLimitMs));
}

TEST_F(StartupTest, UserTypesShowWhatTheirRulesAllow)
{
    struct Case {
        const char* user;
        bool customerButton;
        bool reports;
        bool campaignTab;
    };
    const Case cases[] = {
        {"SATICI", true, true, true}, {"SATICI2", true, true, true}, {"BAYI3", false, false, true},
        {"BAYI4", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        start(QString::fromLatin1(c.user), &StartupTest::chooseFirstCustomer);
        ASSERT_TRUE(env.ends.isEmpty());
        EXPECT_EQ(form->musteritus->isVisibleTo(form.get()), c.customerButton);
        EXPECT_EQ(form->R1->isVisible(), c.reports);
        EXPECT_EQ(campaignTabVisible(), c.campaignTab);
        ASSERT_TRUE(waitForHomeContent());
    }
}

TEST_F(StartupTest, SalespersonsChoiceChangesOnlyTheCustomerFields)
{
    start(QStringLiteral("SATICI"), &StartupTest::chooseFirstCustomer);
    ASSERT_TRUE(env.ends.isEmpty());
    const TSonucBilgisi& after = *form->sbilgi;
    EXPECT_EQ(after.MusteriTipi(), 1);
    EXPECT_GT(after.CARINO(), 0);
    EXPECT_NE(after.CARINO(), atSelection.CARINO());
    EXPECT_FALSE(after.CariAdi().isEmpty());

    TSonucBilgisi expected = atSelection;
    expected.setCARINO(after.CARINO());
    expected.setcarikod(after.carikod());
    expected.setCariAdi(after.CariAdi());
    EXPECT_TRUE(after == expected);

    ASSERT_TRUE(waitForHomeContent());
    EXPECT_EQ(form->cariadilbl->text(), after.CariAdi());
}

TEST_F(StartupTest, AnotherCustomerFromTheMainWindowRefreshesTheHeader)
{
    start(QStringLiteral("SATICI"), &StartupTest::chooseFirstCustomer);
    ASSERT_TRUE(waitForHomeContent());
    const TSonucBilgisi first = *form->sbilgi;
    form->sPageControl1->setCurrentIndex(2);

    ModalWatcher watcher([&](QWidget* modal) {
        auto* window = qobject_cast<Tseccari*>(modal);
        ASSERT_NE(window, nullptr);
        window->NEdit1->clear();
        QTest::keyClick(window->NEdit1, Qt::Key_Return);
        DataGrid* grid = window->cxGrid1DBTableView1;
        ASSERT_GT(grid->rowCount(), 1);
        grid->focusRow(grid->dataSetRow(1));
        window->Button1Click();
    });
    QTest::mouseClick(form->musteritus, Qt::LeftButton);

    const TSonucBilgisi& now = *form->sbilgi;
    EXPECT_NE(now.CARINO(), first.CARINO());
    TSonucBilgisi expected = first;
    expected.setCARINO(now.CARINO());
    expected.setcarikod(now.carikod());
    expected.setCariAdi(now.CariAdi());
    EXPECT_TRUE(now == expected);
    EXPECT_EQ(form->cariadilbl->text(), now.CariAdi());
    EXPECT_EQ(form->sPageControl1->currentIndex(), 0);
}

TEST_F(StartupTest, EveryCancelledStartEndsTheProcessWithoutTheMainWindow)
{
    // Closing the customer selection of a salesperson, and "Vazgeç" in the login.
    start(QStringLiteral("SATICI"), [](Tseccari& window) { window.reject(); });
    ASSERT_FALSE(env.ends.isEmpty());
    EXPECT_EQ(env.ends.count(0), env.ends.size());
    EXPECT_EQ(form->DSClientCallbackChannelManager1, nullptr);
    EXPECT_FALSE(form->musteritus->isVisibleTo(form.get()));

    env.ends.clear();
    form.reset();
    form = std::make_unique<TForm1>();
    ModalWatcher watcher([](QWidget* modal) {
        if (auto* login = qobject_cast<Tgirisform*>(modal))
            QTest::mouseClick(login->Button2, Qt::LeftButton);
    });
    form->FormCreate();
    ASSERT_FALSE(env.ends.isEmpty());
    EXPECT_EQ(env.ends.count(0), env.ends.size());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->DSClientCallbackChannelManager1, nullptr);
}
