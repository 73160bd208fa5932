#include "support/recordingserver.h"

#include <httplib.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace testsupport {

namespace {

constexpr const char* kRestPrefix = "/datasnap/rest/";

int LocalPort(int fd)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0 || address.sin_family != AF_INET)
        return -1;
    return ntohs(address.sin_port);
}

int PeerPort(int fd)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0 || address.sin_family != AF_INET)
        return -1;
    return ntohs(address.sin_port);
}

// The request handler does not see its socket; the server side of the client's
// connection is the one socket of this process with our port and the client's.
void CloseServerSide(int serverPort, int clientPort)
{
    for (int fd = 3; fd < 4096; ++fd) {
        if (LocalPort(fd) == serverPort && PeerPort(fd) == clientPort) {
            ::shutdown(fd, SHUT_RDWR);
            return;
        }
    }
}

std::string EchoBody(const std::string& requestBody)
{
    const QJsonObject request = QJsonDocument::fromJson(QByteArray::fromStdString(requestBody)).object();
    const QJsonObject answer{{QStringLiteral("result"), request.value(QStringLiteral("_parameters"))}};
    return QJsonDocument(answer).toJson(QJsonDocument::Compact).toStdString();
}

} // namespace

ScriptedAnswer ScriptedAnswer::Json(std::string body, int status)
{
    ScriptedAnswer answer;
    answer.body = std::move(body);
    answer.status = status;
    return answer;
}

ScriptedAnswer ScriptedAnswer::Error(const std::string& text)
{
    const QJsonObject error{{QStringLiteral("error"), QString::fromStdString(text)}};
    return Json(QJsonDocument(error).toJson(QJsonDocument::Compact).toStdString(), 500);
}

ScriptedAnswer ScriptedAnswer::Html()
{
    ScriptedAnswer answer;
    answer.body = "<html><body><h1>It works</h1></body></html>";
    answer.contentType = "text/html";
    return answer;
}

ScriptedAnswer ScriptedAnswer::Delayed(std::string body, int delayMs)
{
    ScriptedAnswer answer = Json(std::move(body));
    answer.delayMs = delayMs;
    return answer;
}

ScriptedAnswer ScriptedAnswer::Closing(Ending ending, std::string body)
{
    ScriptedAnswer answer = Json(std::move(body));
    answer.ending = ending;
    return answer;
}

std::string RecordingServer::normaliseKey(const std::string& key)
{
    return key.find('/') == std::string::npos ? "TServerMethods1/" + key : key;
}

RecordingServer::RecordingServer(int port) : server_(std::make_unique<httplib::Server>())
{
    server_->set_keep_alive_max_count(100000);
    server_->set_keep_alive_timeout(60);

    auto handle = [this](const httplib::Request& request, httplib::Response& response) {
        RecordedRequest recorded;
        recorded.httpMethod = request.method;
        recorded.path = request.path;
        recorded.body = request.body;
        recorded.connectionId = request.remote_port;
        if (request.path.rfind(kRestPrefix, 0) == 0) {
            const std::string rest = request.path.substr(std::string(kRestPrefix).size());
            const auto first = rest.find('/');
            const auto second = first == std::string::npos ? first : rest.find('/', first + 1);
            recorded.key = rest.substr(0, second);
        }
        const ScriptedAnswer answer = answerFor(recorded);

        if (answer.delayMs > 0) {
            std::unique_lock lock(mutex_);
            changed_.wait_for(lock, std::chrono::milliseconds(answer.delayMs), [this] { return stopping_; });
        }
        switch (answer.ending) {
        case ScriptedAnswer::Ending::Complete:
            response.status = answer.status;
            response.set_content(answer.body, answer.contentType.c_str());
            break;
        case ScriptedAnswer::Ending::CloseMidAnswer: {
            auto body = std::make_shared<std::string>(answer.body);
            response.status = answer.status;
            response.set_content_provider(body->size(), answer.contentType.c_str(),
                                          [body](size_t, size_t, httplib::DataSink& sink) {
                                              sink.write(body->data(), body->size() / 2);
                                              return false;  // abandons the answer half-way
                                          });
            break;
        }
        case ScriptedAnswer::Ending::CloseWithoutAnswer:
            CloseServerSide(port_, request.remote_port);
            break;
        }
    };
    server_->Post(".*", handle);
    server_->Get(".*", handle);

    port_ = port == 0 ? server_->bind_to_any_port("127.0.0.1") : (server_->bind_to_port("127.0.0.1", port) ? port : -1);
    if (port_ <= 0)
        throw std::runtime_error("the recording server could not bind to 127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // Bounded wait until the accept loop runs.
    for (int i = 0; i < 2000 && !server_->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

RecordingServer::~RecordingServer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    server_->stop();
    if (thread_.joinable())
        thread_.join();
}

void RecordingServer::enqueue(const std::string& key, ScriptedAnswer answer)
{
    {
        std::lock_guard lock(mutex_);
        queued_[normaliseKey(key)].push_back(std::move(answer));
    }
    changed_.notify_all();
}

void RecordingServer::setDefault(const std::string& key, ScriptedAnswer answer)
{
    std::lock_guard lock(mutex_);
    defaults_[normaliseKey(key)] = std::move(answer);
}

void RecordingServer::setHold(const std::string& key, int holdMs)
{
    std::lock_guard lock(mutex_);
    holds_[normaliseKey(key)] = holdMs;
}

ScriptedAnswer RecordingServer::answerFor(const RecordedRequest& request)
{
    std::unique_lock lock(mutex_);
    requests_.push_back(request);
    changed_.notify_all();

    auto& queue = queued_[request.key];
    if (queue.empty() && holds_.count(request.key)) {
        changed_.wait_for(lock, std::chrono::milliseconds(holds_[request.key]),
                          [&] { return stopping_ || !queued_[request.key].empty(); });
    }
    auto& ready = queued_[request.key];
    if (!ready.empty()) {
        ScriptedAnswer answer = std::move(ready.front());
        ready.pop_front();
        return answer;
    }
    if (auto found = defaults_.find(request.key); found != defaults_.end())
        return found->second;
    if (request.key == "TServerMethods1/EchoString")
        return ScriptedAnswer::Json(EchoBody(request.body));
    return ScriptedAnswer{};
}

std::vector<RecordedRequest> RecordingServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<RecordedRequest> RecordingServer::requests(const std::string& key) const
{
    const std::string wanted = normaliseKey(key);
    std::vector<RecordedRequest> matching;
    for (const auto& request : requests())
        if (request.key == wanted)
            matching.push_back(request);
    return matching;
}

bool RecordingServer::waitForRequests(const std::string& key, std::size_t count,
                                      std::chrono::milliseconds limit) const
{
    const std::string wanted = normaliseKey(key);
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] {
        std::size_t seen = 0;
        for (const auto& request : requests_)
            seen += request.key == wanted ? 1 : 0;
        return seen >= count;
    });
}

int UnusedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("no free port on 127.0.0.1");
    const int port = LocalPort(fd);
    ::close(fd);
    return port;
}

SilentPeer::SilentPeer()
{
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(socket_, 16) != 0)
        throw std::runtime_error("the silent peer could not listen on 127.0.0.1");
    port_ = LocalPort(socket_);
}

SilentPeer::~SilentPeer()
{
    if (socket_ >= 0)
        ::close(socket_);
}

} // namespace testsupport
