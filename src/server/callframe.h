#pragma once

#include <functional>

namespace dsclient {
class DSConnection;
}
class TServerMethods1Client;

// The standard frame around one server call. Each form opens a connection,
// makes a proxy on it, lets `call` make one call and take its result, then
// releases the proxy and closes the connection, also when the call throws.
// A form returns false when the connection could not be opened (the call was
// not made); exceptions of the call itself (ServerCallError) reach the caller.
// Methods taking the login record are given CopyLoginRecord(sbilgi) inside `call`.
using ServerCall = std::function<void(TServerMethods1Client& proxy)>;

// Worker threads and the login stages: on a clone of the main connection,
// reopened with ReconnectServer (its message only when showMessage is set).
bool CallInBackground(const dsclient::DSConnection& bagc, bool showMessage, const ServerCall& call);

// Handlers on the main thread: on the main connection itself.
bool CallInForeground(dsclient::DSConnection& bagc, bool showMessage, const ServerCall& call);

// Secondary windows on the connection they were handed: a plain open without
// retries, or ReconnectServer where the window asks for it.
enum class WindowOpen { Plain, Reconnect };
bool CallOnWindowConnection(dsclient::DSConnection& connection, WindowOpen open, const ServerCall& call,
                            bool showMessage = false);
