#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace testsupport {

// The real reference application server, started as its own process on a free
// loopback port with a fresh copy of the demo database. The demo data set is
// seeded once per test run and copied for every server.
class ReferenceServer {
public:
    ReferenceServer();
    ~ReferenceServer();
    ReferenceServer(const ReferenceServer&) = delete;
    ReferenceServer& operator=(const ReferenceServer&) = delete;

    int port() const { return port_; }
    QString baseUrl() const; // http://127.0.0.1:PORT/
    const QString& databaseFile() const { return dbFile_; }

    // The server's own command line on this server's database.
    void registerMachine(const QString& machineId, const QString& user);
    void setVersion(int version);
    void notify(const QString& text = {});

    // Stops the server (a server that is down); start() brings it back on the same port.
    void stop();
    // Kills the server without warning, as a crash or power loss would.
    void kill();
    void start();
    bool isRunning() const;

    static QString binary();

private:
    void run(const QStringList& arguments);

    QTemporaryDir dir_;
    QString dbFile_;
    int port_ = 0;
    std::unique_ptr<QProcess> process_;
};

} // namespace testsupport
