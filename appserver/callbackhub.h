#pragma once

#include <QJsonValue>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>

namespace appserver {

// The clients registered on the callback channel and the messages waiting for
// them. A client is known by its manager id and the security token it polls
// with (without a token, by its connection), so clients that all use the same
// manager id still each get
// every broadcast.
class CallbackHub {
public:
    struct ClientKey {
        QString managerId;
        QString token; // the security token the client polls with
        QString peer; // address:port of the polling connection
        bool operator<(const ClientKey& o) const
        {
            return std::tie(managerId, token, peer) < std::tie(o.managerId, o.token, o.peer);
        }
    };

    // Registers the client on its first poll, then waits up to `wait` for a
    // message. Returns the message, or nothing when the wait ran out.
    std::optional<QJsonValue> poll(const ClientKey& key, std::chrono::milliseconds wait);

    // Queues `message` for every registered client and wakes their polls.
    // Returns the number of clients reached.
    int broadcast(const QJsonValue& message);

    // Forgets a client (it closed its channel).
    void unregister(const ClientKey& key);

    int clientCount() const;

    // Wakes every waiting poll so the server can stop.
    void shutdown();

private:
    struct Client {
        std::deque<QJsonValue> queue;
        std::chrono::steady_clock::time_point lastSeen;
    };
    void dropStale();

    mutable std::mutex FMutex;
    std::condition_variable FWake;
    std::map<ClientKey, Client> FClients;
    bool FShutdown = false;
};

} // namespace appserver
