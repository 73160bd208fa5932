#include "callbackhub.h"

namespace appserver {
namespace {
// A client that has not polled for this long has gone away.
constexpr auto kStaleAfter = std::chrono::minutes(5);
} // namespace

std::optional<QJsonValue> CallbackHub::poll(const ClientKey& key, std::chrono::milliseconds wait)
{
    std::unique_lock lock(FMutex);
    dropStale();
    Client& c = FClients[key];
    c.lastSeen = std::chrono::steady_clock::now();
    FWake.wait_for(lock, wait, [&] { return FShutdown || !FClients[key].queue.empty(); });
    Client& now = FClients[key];
    now.lastSeen = std::chrono::steady_clock::now();
    if (now.queue.empty())
        return std::nullopt;
    QJsonValue msg = now.queue.front();
    now.queue.pop_front();
    return msg;
}

int CallbackHub::broadcast(const QJsonValue& message)
{
    int n = 0;
    {
        std::lock_guard lock(FMutex);
        dropStale();
        for (auto& [key, client] : FClients) {
            client.queue.push_back(message);
            ++n;
        }
    }
    FWake.notify_all();
    return n;
}

void CallbackHub::unregister(const ClientKey& key)
{
    std::lock_guard lock(FMutex);
    FClients.erase(key);
}

int CallbackHub::clientCount() const
{
    std::lock_guard lock(FMutex);
    return int(FClients.size());
}

void CallbackHub::shutdown()
{
    {
        std::lock_guard lock(FMutex);
        FShutdown = true;
    }
    FWake.notify_all();
}

void CallbackHub::dropStale()
{
    const auto now = std::chrono::steady_clock::now();
    for (auto it = FClients.begin(); it != FClients.end();) {
        if (now - it->second.lastSeen > kStaleAfter)
            it = FClients.erase(it);
        else
            ++it;
    }
}

} // namespace appserver
