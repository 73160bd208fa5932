#include "support/referenceserver.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace testsupport {
namespace {

constexpr int kStartLimitMs = 120000; // seeding a fresh database may take a while

// Starts `serve` and reads the port it prints as its first line.
std::unique_ptr<QProcess> startServing(const QString& dbFile, int port, int* boundPort)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(ReferenceServer::binary(),
                   {"serve", "--db", dbFile, "--bind", "127.0.0.1", "--port", QString::number(port)});
    if (!process->waitForStarted(kStartLimitMs))
        throw std::runtime_error("the reference server did not start: " + ReferenceServer::binary().toStdString());
    while (!process->canReadLine()) {
        if (!process->waitForReadyRead(kStartLimitMs))
            throw std::runtime_error("the reference server printed no port");
    }
    bool ok = false;
    *boundPort = QString::fromLatin1(process->readLine()).trimmed().toInt(&ok);
    if (!ok || *boundPort <= 0)
        throw std::runtime_error("the reference server printed no valid port");
    return process;
}

void stopServing(QProcess& process)
{
    process.terminate();
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(20000);
    }
}

// A seeded demo database, made once per test run.
QString seededTemplate()
{
    static QTemporaryDir dir;
    static const QString file = [] {
        const QString f = dir.path() + "/template.db";
        int port = 0;
        auto process = startServing(f, 0, &port);
        stopServing(*process);
        return f;
    }();
    return file;
}

} // namespace

QString ReferenceServer::binary()
{
    return QStringLiteral(VELKORA_APPSERVER_BINARY);
}

ReferenceServer::ReferenceServer()
{
    dbFile_ = dir_.path() + "/demo.db";
    const QString source = seededTemplate();
    for (const QString suffix : {"", "-wal", "-shm"})
        if (QFile::exists(source + suffix))
            QFile::copy(source + suffix, dbFile_ + suffix);
    start();
}

ReferenceServer::~ReferenceServer()
{
    stop();
}

QString ReferenceServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(port_);
}

void ReferenceServer::start()
{
    if (isRunning())
        return;
    process_ = startServing(dbFile_, port_, &port_);
}

void ReferenceServer::stop()
{
    if (process_)
        stopServing(*process_);
    process_.reset();
}

void ReferenceServer::kill()
{
    if (process_) {
        process_->kill();
        process_->waitForFinished(20000);
    }
    process_.reset();
}

bool ReferenceServer::isRunning() const
{
    return process_ && process_->state() == QProcess::Running;
}

void ReferenceServer::run(const QStringList& arguments)
{
    QProcess process;
    process.start(binary(), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("velkora-appserver " + arguments.join(' ').toStdString() + " failed: "
                                 + process.readAllStandardError().toStdString());
}

void ReferenceServer::registerMachine(const QString& machineId, const QString& user)
{
    run({"register-machine", "--db", dbFile_, machineId, user});
}

void ReferenceServer::setVersion(int version)
{
    run({"set-version", "--db", dbFile_, QString::number(version)});
}

void ReferenceServer::notify(const QString& text)
{
    QStringList arguments{"notify", "--port", QString::number(port_)};
    if (!text.isEmpty())
        arguments << text;
    run(arguments);
}

} // namespace testsupport
