// The start-up sequence of the main window: login, user-type rules, home
// content and the server-notification channel, in this order.
#include "app/geribildirim.h"
#include "app/tform1.h"
#include "app/usertyperules.h"
#include "login/girisformu.h"
#include "login/utils.h"
#include "platform/dsclient/callbackchannel.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/os/processend.h"
#include "server/baglantiu.h"
#include "server/beklesinu.h"
#include "server/deployment.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QMessageBox>

namespace {

const QString kProgramTitle = QStringLiteral("Velkora B2B Programı");
const QString kChannelName = QStringLiteral("Morvilo");
const QString kManagerId = QStringLiteral("MorviloId");
constexpr int kMessageFontPixels = 15;

} // namespace

void TForm1::FormCreate()
{
    _acilisadet = 0;
    QApplication::setApplicationDisplayName(kProgramTitle);
    setWindowTitle(kProgramTitle);
    QFont messageFont = QApplication::font("QMessageBox");
    messageFont.setPixelSize(kMessageFontPixels);
    QApplication::setFont(messageFont, "QMessageBox");

    sbilgi = std::make_unique<TSonucBilgisi>();
    sbilgi->setBilgiSayarAdi(GetComputerNameText());
    sbilgi->setBilgisayarKullanici(GetWindowsUserName());
    sbilgi->setIcip(GetLocalIpAddress());
    sbilgi->setBILGISAYARID(GetMachineId());

    const DeploymentValues& deployment = Deployment();
    bagc->setHostName(deployment.serverHost);
    bagc->setPort(QString::number(deployment.serverPort));
    bagc->setConnectTimeoutMs(deployment.connectTimeoutMs);
    bagc->setResponseTimeoutMs(deployment.responseTimeoutMs);
    WebSiteMenuItem->setText(deployment.webSite);

    if (!RunLoginAndApplyUserType())
        return;

    // The home content loads on one pool thread while the user can already work.
    QPointer<TForm1> form(this);
    Async([form] {
        if (form)
            form->LoadHomeContent();
    })->Await([this] {
        if (isMinimized()) {
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
            activateWindow();
        }
        emit homeContentLoaded();
    }, this);

    // Registered at once, without waiting for the home content.
    auto settings = dsclient::CallbackChannel::settingsFor(*bagc, kChannelName, kManagerId);
    settings.connectTimeoutMs = deployment.connectTimeoutMs;
    DSClientCallbackChannelManager1 = std::make_unique<dsclient::CallbackChannel>(settings);
    DSClientCallbackChannelManager1->registerCallback(
        std::make_shared<TGeriBildirim>(DSClientCallbackChannelManager1->settings().channelName, this));
}

bool TForm1::RunLoginAndApplyUserType()
{
    {
        Tgirisform login(*bagc, *sbilgi);
        if (login.exec() != QDialog::Accepted) {
            processend::EndProcessNow(0);
            return false;
        }
    }
    if (sbilgi->Disip().trimmed().isEmpty()) {
        processend::EndProcessNow(0);
        return false;
    }
    ApplyUserTypeRules(*this, sbilgi->MusteriTipi());
    return true;
}
