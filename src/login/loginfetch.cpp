#include "login/loginfetch.h"

#include "login/externalip.h"
#include "login/utils.h"
#include "platform/dsclient/servercallerror.h"
#include "server/baglantiu.h"
#include "server/callframe.h"
#include "server/proxim.h"

#include <exception>

namespace {

void ShowPlainMessage(const QString& text)
{
    ShowMessageDialog(text, MsgDlgType::Custom, mbOK, mbOK);
}

} // namespace

bool FetchLoginRecordFor(const dsclient::DSConnection& bagim, const QString& idsi, TSonucBilgisi& Bilgim,
                         const std::atomic_bool& cancelled)
{
    try {
        bool answered = false;
        const bool opened = CallInBackground(bagim, false, [&](TServerMethods1Client& proxy) {
            if (const std::optional<TSonucBilgisi> record = proxy.BuyukGetir(idsi)) {
                Bilgim.Kopyala(*record);
                answered = true;
            }
        });
        if (!opened)
            return false;
        if (!answered) {
            // The server always answers a record (Varmi false for an unknown
            // machine); an empty answer is a fault of the server.
            ShowPlainMessage(QStringLiteral("Sunucudan kullanıcı bilgisi gelmedi."));
            return false;
        }
    } catch (const dsclient::ServerCallError& error) {
        ShowPlainMessage(error.serverText().isEmpty() ? QString::fromUtf8(error.what()) : error.serverText());
        return false;
    } catch (const std::exception& error) {
        ShowPlainMessage(QString::fromUtf8(error.what()));
        return false;
    }

    // The machine fields are always this machine's own, whatever the server sent.
    Bilgim.setBilgiSayarAdi(GetComputerNameText());
    Bilgim.setBilgisayarKullanici(GetWindowsUserName());
    Bilgim.setIcip(GetLocalIpAddress());
    Bilgim.setBILGISAYARID(GetMachineId());
    Bilgim.setDisip(GetExternalIp(cancelled));
    return true;
}
