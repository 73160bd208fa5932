#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

namespace testsupport {

// One request as the server received it.
struct RecordedRequest {
    std::string httpMethod;  // "POST", "GET"
    std::string path;        // "/datasnap/rest/TServerMethods1/EchoString"
    std::string key;         // "TServerMethods1/EchoString": class and method after ".../rest/"
    std::string body;
    int connectionId = 0;    // the client's port: one value per TCP connection
};

// What the server does with one request.
struct ScriptedAnswer {
    enum class Ending {
        Complete,            // the whole answer
        CloseMidAnswer,      // headers and half the body, then the connection closes
        CloseWithoutAnswer,  // the request is read, then the connection closes unanswered
    };
    int status = 200;
    std::string body = R"({"result":[]})";
    std::string contentType = "application/json";
    int delayMs = 0;  // wait before answering (cut short when the server stops)
    Ending ending = Ending::Complete;

    static ScriptedAnswer Json(std::string body, int status = 200);
    static ScriptedAnswer Error(const std::string& text);  // {"error": text}, status 500
    static ScriptedAnswer Html();
    static ScriptedAnswer Delayed(std::string body, int delayMs);
    static ScriptedAnswer Closing(Ending ending, std::string body = R"({"result":["x"]})");
};

// An HTTP server on 127.0.0.1 with a port chosen by the system, running on its
// own thread. It records every request and answers by script: per key a queue
// of answers used once each, then the key's default. TServerMethods1/EchoString
// echoes its parameters unless scripted, so connections open against it.
class RecordingServer {
public:
    explicit RecordingServer(int port = 0);
    ~RecordingServer();
    RecordingServer(const RecordingServer&) = delete;
    RecordingServer& operator=(const RecordingServer&) = delete;

    int port() const { return port_; }

    // A key without '/' means a TServerMethods1 method.
    void enqueue(const std::string& key, ScriptedAnswer answer);
    void setDefault(const std::string& key, ScriptedAnswer answer);
    // A request finding no queued answer for key waits up to holdMs for one to be
    // enqueued (a long poll), then takes the default.
    void setHold(const std::string& key, int holdMs);

    std::vector<RecordedRequest> requests() const;
    std::vector<RecordedRequest> requests(const std::string& key) const;
    // Waits (bounded) until at least count requests for key have come in.
    bool waitForRequests(const std::string& key, std::size_t count,
                         std::chrono::milliseconds limit = std::chrono::seconds(20)) const;

private:
    ScriptedAnswer answerFor(const RecordedRequest& request);
    static std::string normaliseKey(const std::string& key);

    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool stopping_ = false;
    std::vector<RecordedRequest> requests_;
    std::map<std::string, std::deque<ScriptedAnswer>> queued_;
    std::map<std::string, ScriptedAnswer> defaults_;
    std::map<std::string, int> holds_;
};

// A port on 127.0.0.1 where nobody listens (taken from the system, then freed).
int UnusedPort();

// Listens on 127.0.0.1 but never accepts or answers: connects succeed, answers never come.
class SilentPeer {
public:
    SilentPeer();
    ~SilentPeer();
    SilentPeer(const SilentPeer&) = delete;
    SilentPeer& operator=(const SilentPeer&) = delete;
    int port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};

} // namespace testsupport
