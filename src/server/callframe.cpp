#include "server/callframe.h"

#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/servercallerror.h"
#include "server/proxim.h"
#include "server/reconnect.h"

namespace {

// Closes the connection when the frame ends, however it ends.
struct ClosingGuard {
    dsclient::DSConnection& connection;
    ~ClosingGuard() { connection.close(); }
};

void callOn(dsclient::DSConnection& connection, const ServerCall& call)
{
    ClosingGuard closing{connection};
    TServerMethods1Client proxy(connection);
    call(proxy);
}

} // namespace

bool CallInBackground(const dsclient::DSConnection& bagc, bool showMessage, const ServerCall& call)
{
    const std::unique_ptr<dsclient::DSConnection> clone = bagc.clone();
    if (!ReconnectServer(*clone, showMessage))
        return false;
    callOn(*clone, call);
    return true;
}

bool CallInForeground(dsclient::DSConnection& bagc, bool showMessage, const ServerCall& call)
{
    if (!ReconnectServer(bagc, showMessage))
        return false;
    callOn(bagc, call);
    return true;
}

bool CallOnWindowConnection(dsclient::DSConnection& connection, WindowOpen open, const ServerCall& call,
                            bool showMessage)
{
    if (open == WindowOpen::Reconnect) {
        if (!ReconnectServer(connection, showMessage))
            return false;
    } else {
        try {
            connection.open();
        } catch (const dsclient::ServerCallError&) {
            connection.close();
            return false;
        }
    }
    callOn(connection, call);
    return true;
}
