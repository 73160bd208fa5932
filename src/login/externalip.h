#pragma once

#include <QString>

#include <atomic>
#include <optional>

// The machine's address as the internet sees it, answered by the maker's
// address-echo page. The login stores it in the login record (Disip).

inline constexpr int kExternalIpConnectTimeoutMs = 15000;
// Once connected, the answer may pause this long between arrivals of data.
inline constexpr int kExternalIpReadTimeoutMs = 1500;
inline constexpr int kExternalIpRetryPauseMs = 1000;

// One GET of the echo page: its body, or nothing when the request failed
// (no connection, time-out, an HTTP status other than success, cancelled).
std::optional<QString> RequestExternalIpOnce(const QString& url, const std::atomic_bool& cancelled);

// Asks Deployment().addressEchoUrl() until it answers, pausing a second after
// every failure, without a limit on the attempts: the answer trimmed of
// blanks. Returns empty only once `cancelled` is set (the window that asked is
// gone or the program is ending).
QString GetExternalIp(const std::atomic_bool& cancelled);
