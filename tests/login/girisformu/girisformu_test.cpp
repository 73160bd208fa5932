#include "login/girisformu.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/widgets/busypicture.h"
#include "requests/dosyaindiru.h"
#include "requests/formistekyeniu.h"
#include "server/baglantiu.h"
#include "support/loginenvironment.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using testsupport::LoginEnvironment;
using testsupport::ModalWatcher;

namespace {

constexpr int kLimitMs = 60000;

const QString kWrongCredentials = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

class LoginWindowTest : public ::testing::Test {
protected:
    LoginWindowTest()
    {
        bagc.setHostName(QStringLiteral("127.0.0.1"));
        bagc.setPort(QString::number(env.server.port()));
    }

    // A fresh window, as the start-up creates it.
    Tgirisform& open()
    {
        window = std::make_unique<Tgirisform>(bagc, sbilgi);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get(), kLimitMs));
        return *window;
    }

    template <typename T>
    T* named(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    void type(const char* box, const QString& text) { QTest::keyClicks(named<QLineEdit>(box), text); }
    void enterIn(const char* box) { QTest::keyClick(named<QLineEdit>(box), Qt::Key_Return); }
    void clickLogin() { QTest::mouseClick(named<QPushButton>("Button1"), Qt::LeftButton); }

    // Waits until the login has ended one way or the other.
    bool waitForOutcome()
    {
        return QTest::qWaitFor(
            [this] {
                return window->result() == QDialog::Accepted || env.messages.count() > 0 || !env.ends.isEmpty();
            },
            kLimitMs);
    }

    static QString settingsText()
    {
        QFile file(Tgirisform::SettingsFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    LoginEnvironment env;
    dsclient::DSConnection bagc;
    TSonucBilgisi sbilgi;
    std::unique_ptr<Tgirisform> window;
};

} // namespace

TEST_F(LoginWindowTest, StartsWithTheDesignDefaultsWithoutASettingsFile)
{
    Tgirisform& login = open();
    EXPECT_EQ(login.windowTitle(), "Giriş");
    EXPECT_EQ(login.size(), QSize(368, 550));
    EXPECT_TRUE(named<QLineEdit>("adi")->text().isEmpty());
    EXPECT_TRUE(named<QLineEdit>("sifre")->text().isEmpty());
    EXPECT_EQ(named<QLineEdit>("sifre")->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(named<QCheckBox>("benihatirla")->isChecked());
    EXPECT_EQ(named<QPushButton>("Button1")->text(), "Giriş");
    EXPECT_EQ(named<QPushButton>("Button2")->text(), "Vazgeç");
    EXPECT_FALSE(named<BusyPicture>("RxGIFAnimator1")->isVisible());
    EXPECT_EQ(login.idsi, LoginEnvironment::kMachineId);
}

TEST_F(LoginWindowTest, EnterOnAnEmptyBoxWarnsAndSendsNothing)
{
    struct Case {
        const char* name;
        const char* box;
        const char* warning;
    };
    const Case cases[] = {
        {"   ", "adi", "Lütfen kullanıcı adını giriniz !"},
        {"BAYI", "sifre", "Lütfen kullanıcı şifresini giriniz !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        open();
        type("adi", QString::fromLatin1(c.name));
        if (QByteArray(c.box) == "sifre")
            type("sifre", QStringLiteral("  "));
        QStringList warnings;
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                warnings << box->text();
                box->accept();
            }
        });
        enterIn(c.box);
        ASSERT_EQ(warnings, QStringList{QString::fromUtf8(c.warning)});
        auto* box = named<QLineEdit>(c.box);
        EXPECT_EQ(window->focusWidget(), box);
        EXPECT_EQ(box->selectedText(), box->text());
        // Nothing was started.
        EXPECT_EQ(named<QPushButton>("Button1")->text(), "Giriş");
        EXPECT_TRUE(named<QPushButton>("Button1")->isEnabled());
        EXPECT_EQ(env.messages.count(), 0);
    }
}

TEST_F(LoginWindowTest, LowerCaseTypingLogsInUpperCaseAndRemembers)
{
    env.registerThisMachine(QStringLiteral("BAYI"));
    open();
    type("adi", QStringLiteral("bayi"));
    EXPECT_EQ(named<QLineEdit>("adi")->text(), "BAYI");
    enterIn("adi");
    EXPECT_EQ(window->focusWidget(), named<QLineEdit>("sifre"));
    type("sifre", QStringLiteral("1234"));
    enterIn("sifre"); // Enter in the password box logs in

    EXPECT_EQ(named<QPushButton>("Button1")->isEnabled(), false);
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(env.messages.count(), 0);
    EXPECT_TRUE(env.ends.isEmpty());

    EXPECT_EQ(sbilgi.ADI(), "BAYI");
    EXPECT_EQ(sbilgi.MusteriTipi(), 0);
    EXPECT_EQ(sbilgi.Disip(), "127.0.0.1");
    EXPECT_EQ(sbilgi.BILGISAYARID(), LoginEnvironment::kMachineId);
    EXPECT_EQ(sbilgi.BilgiSayarAdi(), "TESTPC");
    EXPECT_EQ(sbilgi.BilgisayarKullanici(), "tester");

    const QString text = settingsText();
    EXPECT_TRUE(text.contains("isim=BAYI"));
    EXPECT_TRUE(text.contains("sifre=1234"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("hatırla=1")));
    // It holds a password: readable by its owner only.
    EXPECT_EQ(QFile::permissions(Tgirisform::SettingsFile()) & (QFile::ReadGroup | QFile::ReadOther), 0);

    // The next start fills the boxes in.
    open();
    EXPECT_EQ(named<QLineEdit>("adi")->text(), "BAYI");
    EXPECT_EQ(named<QLineEdit>("sifre")->text(), "1234");
    EXPECT_TRUE(named<QCheckBox>("benihatirla")->isChecked());
}

TEST_F(LoginWindowTest, UncheckedRememberStillWritesButTheNextStartIsEmpty)
{
    env.registerThisMachine(QStringLiteral("BAYI"));
    open();
    named<QCheckBox>("benihatirla")->setChecked(false);
    type("adi", QStringLiteral("BAYI"));
    type("sifre", QStringLiteral("1234"));
    clickLogin();
    ASSERT_TRUE(waitForOutcome());
    ASSERT_EQ(window->result(), QDialog::Accepted);

    // The file is written literally, as a plain INI reader sees it.
    const QString text = settingsText();
    EXPECT_TRUE(text.contains("[kullanici]"));
    EXPECT_TRUE(text.contains("isim=BAYI"));
    EXPECT_TRUE(text.contains("sifre=1234"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("hatırla=0")));

    open();
    EXPECT_TRUE(named<QLineEdit>("adi")->text().isEmpty());
    EXPECT_TRUE(named<QLineEdit>("sifre")->text().isEmpty());
    EXPECT_FALSE(named<QCheckBox>("benihatirla")->isChecked());
}

TEST_F(LoginWindowTest, RejectedCredentialsGiveTheSameMessage)
{
    // A wrong password writes nothing; an inactive account with the right one
    // is refused after the settings were written.
    struct Case {
        const char* user;
        const char* password;
        bool settingsWritten;
    };
    const Case cases[] = {{"BAYI", "9999", false}, {"PASIF", "1234", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        QFile::remove(Tgirisform::SettingsFile());
        env.messages.clear();
        env.registerThisMachine(QString::fromLatin1(c.user));
        open();
        type("adi", QString::fromLatin1(c.user));
        type("sifre", QString::fromLatin1(c.password));
        clickLogin();
        ASSERT_TRUE(waitForOutcome());
        ASSERT_EQ(env.messages.count(), 1);
        EXPECT_EQ(env.messages.last().text, kWrongCredentials);
        EXPECT_EQ(env.messages.last().type, MsgDlgType::Warning);
        EXPECT_EQ(env.messages.last().buttons, mbOK);
        EXPECT_NE(window->result(), QDialog::Accepted);
        EXPECT_TRUE(env.ends.isEmpty());
        // Try again possible.
        EXPECT_TRUE(named<QPushButton>("Button1")->isEnabled());
        EXPECT_EQ(named<QPushButton>("Button1")->text(), "Giriş!");
        EXPECT_EQ(window->focusWidget(), named<QLineEdit>("adi"));
        EXPECT_EQ(QFile::exists(Tgirisform::SettingsFile()), c.settingsWritten);
    }
    EXPECT_TRUE(settingsText().contains("isim=PASIF"));
}

TEST_F(LoginWindowTest, UnknownMachineOpensTheRequestPageThenEnds)
{
    open(); // this machine is not registered; the boxes stay empty
    QString requested;
    ModalWatcher watcher([&](QWidget* modal) {
        if (auto* form = qobject_cast<Tformistekyeni*>(modal)) {
            requested = form->address();
            EXPECT_EQ(form->windowTitle(), "Velkora B2B Programı İstek Formu");
            form->Button1Click();
        }
    });
    clickLogin();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !env.ends.isEmpty(); }, kLimitMs));
    EXPECT_EQ(requested, env.server.baseUrl() + "formmailgonder.aspx?carino=0&kullanici= &id="
                             + LoginEnvironment::kMachineId);
    EXPECT_EQ(env.ends, QList<int>{0});
    EXPECT_EQ(env.messages.count(), 0); // never reached the credential check
    EXPECT_FALSE(QFile::exists(Tgirisform::SettingsFile()));
}

TEST_F(LoginWindowTest, ServerDownGivesTheConnectionMessageAndAllowsARetry)
{
    // The maker's address echo stays up on a server of its own.
    testsupport::ReferenceServer maker;
    Deployment().makerWebServer = maker.baseUrl();
    env.registerThisMachine(QStringLiteral("BAYI"));
    env.server.stop();
    open();
    type("adi", QStringLiteral("BAYI"));
    type("sifre", QStringLiteral("1234"));
    clickLogin();
    ASSERT_TRUE(waitForOutcome());
    ASSERT_EQ(env.messages.count(), 1);
    EXPECT_EQ(env.messages.last().text, "Bağlantı Kurulamadı !");
    EXPECT_EQ(env.messages.last().type, MsgDlgType::Error);
    EXPECT_TRUE(named<QPushButton>("Button1")->isEnabled());

    // With the server back the same window logs in.
    env.server.start();
    bagc.setPort(QString::number(env.server.port()));
    env.messages.clear();
    clickLogin();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(LoginWindowTest, SilentAddressServiceKeepsConnectingUntilVazgec)
{
    // The echo service accepts connections and never answers: every attempt
    // runs into the read time-out and is tried again.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    int attempts = 0;
    QList<QTcpSocket*> held;
    QObject::connect(&silent, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* socket = silent.nextPendingConnection()) {
            ++attempts;
            held << socket;
        }
    });
    Deployment().makerWebServer = QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort());

    env.registerThisMachine(QStringLiteral("BAYI"));
    open();
    clickLogin();
    auto* login = named<QPushButton>("Button1");
    EXPECT_EQ(login->text(), "Bağlanıyor...");
    EXPECT_TRUE(QTest::qWaitFor([&] { return named<BusyPicture>("RxGIFAnimator1")->isRunning(); }, kLimitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return attempts >= 2; }, kLimitMs));
    EXPECT_EQ(login->text(), "Bağlanıyor...");
    EXPECT_FALSE(login->isEnabled());

    QTest::mouseClick(named<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_EQ(env.ends, QList<int>{0});
    window.reset(); // the worker stops asking once the window is gone
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(env.messages.count(), 0);
    qDeleteAll(held);
}

TEST_F(LoginWindowTest, AnotherVersionOnTheServerOpensTheUpdateWindow)
{
    env.registerThisMachine(QStringLiteral("BAYI"));
    env.server.setVersion(2);
    open();
    bool updateShown = false;
    ModalWatcher watcher([&](QWidget* modal) {
        if (qobject_cast<Tdosyaindir*>(modal))
            updateShown = true;
    });
    type("adi", QStringLiteral("BAYI"));
    type("sifre", QStringLiteral("1234"));
    clickLogin();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !env.ends.isEmpty(); }, kLimitMs));
    EXPECT_TRUE(updateShown);
    EXPECT_EQ(env.ends.first(), 0);
}

TEST_F(LoginWindowTest, VazgecEndsTheProgram)
{
    open();
    QTest::mouseClick(named<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_EQ(env.ends, QList<int>{0});
}
