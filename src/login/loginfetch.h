#pragma once

#include <QString>

#include <atomic>

class TSonucBilgisi;
namespace dsclient {
class DSConnection;
}

// The second stage of the login, run by a worker: asks the server for the
// account bound to machine `idsi` (BuyukGetir) on a clone of `bagim`, copies it
// into `Bilgim` and stamps it with this machine's own identity and a fresh
// external address. False when the server could not be reached or the call
// failed; a failed call has shown its text in a plain box.
bool FetchLoginRecordFor(const dsclient::DSConnection& bagim, const QString& idsi, TSonucBilgisi& Bilgim,
                         const std::atomic_bool& cancelled);
