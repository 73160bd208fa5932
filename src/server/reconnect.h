#pragma once

namespace dsclient {
class DSConnection;
}

// Closes the connection and opens it again: up to kReconnectAttempts opening
// attempts, kReconnectPauseMs apart (the pause also follows the last failure).
// Returns true once the connection is open. Errors of the connection are not
// raised; after the last failure the message "Bağlantı Kurulamıyor Lütfen Tekrar
// Deneyin ...!" is shown only when showMessage is set (from a worker the box is
// shown on the main thread while the worker waits).
bool ReconnectServer(dsclient::DSConnection& connection, bool showMessage);

// The one message of a server that cannot be reached (error, OK).
void ShowConnectionFailureMessage();

inline constexpr int kReconnectAttempts = 11;
inline constexpr int kReconnectPauseMs = 500;
