#pragma once

#include "platform/dsclient/connectiondefaults.h"
#include "platform/dsclient/namedcallback.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace dsclient {

class DSConnection;
class HttpSession;

struct CallbackChannelSettings {
    QString hostName;
    QString port;
    QString datasnapContext = QStringLiteral("datasnap/");
    QString channelName;
    QString managerId;
    int connectTimeoutMs = kDefaultConnectTimeoutMs;
    // Longer than the server holds a poll open when no message comes.
    int pollTimeoutMs = 120000;
    // Pause before registering again after the channel dropped: doubles from the
    // first value up to the last.
    int firstPauseMs = 500;
    int maxPauseMs = 30000;
};

// A heavyweight callback channel in the REST long-poll form. Its own thread
// POSTs .../rest/DSAdmin/ConsumeClientChannel/<channel>/<managerId>/<callbackId>/
// <channelNames>/<securityToken> with {"_parameters":[responseData]}:
//   - the first poll carries the callback's name as callbackId and "" as
//     responseData: it registers the callback;
//   - the server holds a poll until a message comes or its keep-alive interval
//     passes, answering {"result":[message]}; a message is {"broadcast":[arg, ...]}
//     or {"invoke":[callbackId, arg, ...]}, {"close":true} ends the channel, and
//     anything else (null) is a keep-alive;
//   - every later poll has an empty callbackId and carries the callback's answer
//     to the previous message, or null after a keep-alive.
// The security token is made anew for every registration, so clients sharing
// a manager id stay apart. A dropped channel registers again after a growing pause.
class CallbackChannel {
public:
    explicit CallbackChannel(CallbackChannelSettings settings);
    // Stops the thread: a running poll is cut off at once.
    ~CallbackChannel();
    CallbackChannel(const CallbackChannel&) = delete;
    CallbackChannel& operator=(const CallbackChannel&) = delete;

    // Host and port of the connection, the rest as given.
    static CallbackChannelSettings settingsFor(const DSConnection& connection, const QString& channelName,
                                               const QString& managerId);

    // Starts the channel's thread for this callback (one callback per channel).
    void registerCallback(std::shared_ptr<NamedCallback> callback);

    const CallbackChannelSettings& settings() const { return settings_; }

private:
    void run();
    void consume(HttpSession& session, bool& answered);
    bool pause(int ms);

    CallbackChannelSettings settings_;
    std::shared_ptr<NamedCallback> callback_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable stopRequested_;
    bool stopping_ = false;
    HttpSession* running_ = nullptr;  // the session of the current registration
};

} // namespace dsclient
