#include "server/reconnect.h"

#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/servercallerror.h"
#include "platform/os/waits.h"
#include "platform/widgets/messagedialog.h"

#include <QString>

bool ReconnectServer(dsclient::DSConnection& connection, bool showMessage)
{
    connection.close();
    for (int attempt = 1; attempt <= kReconnectAttempts; ++attempt) {
        try {
            connection.open();
            return true;
        } catch (const dsclient::ServerCallError&) {
            connection.close();
            waits::Sleep(kReconnectPauseMs);
        }
    }
    if (showMessage)
        ShowConnectionFailureMessage();
    return false;
}

void ShowConnectionFailureMessage()
{
    ShowMessageDialog(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"), MsgDlgType::Error, mbOK,
                      mbOK);
}
