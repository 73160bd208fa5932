#include "appserver.h"

#include "callbackhub.h"
#include "handlers.h"
#include "serverstate.h"
#include "webpages.h"

#include <httplib.h>

#include <QDateTime>

#include <cstdio>

namespace appserver {
namespace {

// Larger bodies are refused before they are read.
constexpr size_t kMaxBody = 8 * 1024 * 1024;
constexpr const char* kJson = "application/json; charset=utf-8";

} // namespace

ServerState::ServerState(const QString& dbFile) : FDatabase(dbFile), FCallbacks(std::make_unique<CallbackHub>()) {}

ServerState::~ServerState() = default;

AppServer::AppServer(const QString& dbFile)
    : FState(std::make_unique<ServerState>(dbFile)), FHttp(std::make_unique<httplib::Server>()),
      FHandlers(AllHandlers())
{
    // Keep-alive connections and long polls each hold a worker thread.
    FHttp->new_task_queue = [] { return new httplib::ThreadPool(64); };
    FHttp->set_keep_alive_max_count(100000);
    FHttp->set_keep_alive_timeout(30);
    FHttp->set_read_timeout(60);
    FHttp->set_write_timeout(60);
    FHttp->set_payload_max_length(kMaxBody);
    installRoutes();
}

AppServer::~AppServer()
{
    stop();
}

void AppServer::installRoutes()
{
    FHttp->Post(R"(/datasnap/rest/TServerMethods1/([A-Za-z0-9_]+))",
                [this](const httplib::Request& req, httplib::Response& res) {
                    QString line;
                    const QByteArray answer =
                        AnswerCall(QString::fromStdString(req.matches[1]),
                                   QByteArray::fromStdString(req.body), FHandlers, *FState, &line);
                    if (FLogging) {
                        const QByteArray text = (QDateTime::currentDateTime().toString("HH:mm:ss.zzz ") +
                                                 QString::fromStdString(req.remote_addr) + ' ' + line + '\n')
                                                    .toUtf8();
                        std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
                    }
                    res.set_content(answer.toStdString(), kJson);
                });
    InstallWebPages(*FHttp, *FState);
    FHttp->set_error_handler([](const httplib::Request&, httplib::Response& res) {
        QString text;
        switch (res.status) {
        case 413: text = "the request body is too large"; break;
        case 404: text = "no such address"; break;
        default: text = QString("HTTP status %1").arg(res.status);
        }
        res.set_content(ErrorAnswer(text).toStdString(), kJson);
    });
    FHttp->set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr ep) {
        QString text = "internal error";
        try {
            std::rethrow_exception(ep);
        } catch (const std::exception& e) {
            text = QString::fromStdString(e.what());
        } catch (...) {
        }
        res.status = 500;
        res.set_content(ErrorAnswer(text).toStdString(), kJson);
    });
}

int AppServer::bind(const QString& host, int port)
{
    const std::string h = host.toStdString();
    if (port == 0)
        return FHttp->bind_to_any_port(h);
    return FHttp->bind_to_port(h, port) ? port : -1;
}

bool AppServer::serve()
{
    return FHttp->listen_after_bind();
}

void AppServer::stop()
{
    FState->callbacks().shutdown();
    FHttp->stop();
}

} // namespace appserver
