#pragma once

#include "methodcall.h"

#include <QString>

#include <memory>

namespace httplib {
class Server;
}

namespace appserver {

class ServerState;

// The reference application server: server methods under
// /datasnap/rest/TServerMethods1/, the callback channel under
// /datasnap/rest/DSAdmin/, the notification endpoint and the small web pages,
// all on one port. The database file must exist (see OpenDatabaseFile).
class AppServer {
public:
    explicit AppServer(const QString& dbFile);
    ~AppServer();

    // Binds to host:port; port 0 picks a free port. Returns the bound port, or -1.
    int bind(const QString& host, int port);
    // Serves until stop() is called (blocking).
    bool serve();
    void stop();

    ServerState& state() { return *FState; }

    // Logs one line per call to standard error unless switched off.
    void setLogging(bool on) { FLogging = on; }

private:
    void installRoutes();

    std::unique_ptr<ServerState> FState;
    std::unique_ptr<httplib::Server> FHttp;
    HandlerTable FHandlers;
    bool FLogging = true;
};

} // namespace appserver
