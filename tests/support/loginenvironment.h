#pragma once

#include "platform/os/folders.h"
#include "platform/os/identitysources.h"
#include "platform/os/processend.h"
#include "platform/os/shellopen.h"
#include "platform/os/waits.h"
#include "server/deployment.h"
#include "support/referenceserver.h"
#include "support/scriptedmessages.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>

namespace testsupport {

// A machine whose identity is fixed: the disk serial is the identifier.
class FixedIdentity : public machineidentity::IdentitySources {
public:
    explicit FixedIdentity(QString serial) : serial_(std::move(serial)) {}
    QString diskSerial() const override { return serial_; }
    QString macAddress() const override { return QStringLiteral("02-00-00-00-00-01"); }
    QString computerName() const override { return QStringLiteral("TESTPC"); }
    QString userName() const override { return QStringLiteral("tester"); }
    QString localIpAddress() const override { return QStringLiteral("127.0.0.1"); }

private:
    QString serial_;
};

// Calls `seen` once for every modal window that becomes active, checking the
// active modal widget every few milliseconds; `seen` answers or closes it.
class ModalWatcher {
public:
    using Seen = std::function<void(QWidget* modal)>;
    explicit ModalWatcher(Seen seen) : seen_(std::move(seen))
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            // A pointer that went null was another window, even at the same address.
            for (const QPointer<QWidget>& seen : handled_)
                if (seen.data() == modal)
                    return;
            handled_.append(modal);
            seen_(modal);
        });
        timer_.start();
    }

private:
    Seen seen_;
    QTimer timer_;
    QList<QPointer<QWidget>> handled_;
};

// Everything a login or start-up test needs around the real windows: the
// reference server, this machine's fixed identity registered or not, the
// folders in a temporary directory, the deployment values pointing at the
// server, message boxes answered, shell requests and process ends recorded
// (an end also closes the modal window that is open, as the real end would),
// and the reconnect waits shortened.
class LoginEnvironment {
public:
    static constexpr const char* kMachineId = "TESTDISK0001";

    LoginEnvironment() : saved_(Deployment())
    {
        folders::SetBaseFolder(base_.path());
        machineidentity::SetSources(std::make_shared<FixedIdentity>(QString::fromLatin1(kMachineId)));
        DeploymentValues& values = Deployment();
        values.serverHost = QStringLiteral("127.0.0.1");
        values.serverPort = server.port();
        values.webSite = server.baseUrl();
        values.makerWebServer = server.baseUrl();
        processend::SetHandler([this](int code) {
            ends.append(code);
            QTimer::singleShot(0, [] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    dialog->done(QDialog::Rejected);
            });
        });
        shellopen::SetHandler([this](const shellopen::ShellRequest& request) {
            shellRequests.append(request);
            return true;
        });
        waits::SetHandler([](int) {});
    }
    ~LoginEnvironment()
    {
        // Workers may still hold the connection and the record of the test.
        QThreadPool::globalInstance()->waitForDone();
        waits::SetHandler({});
        shellopen::SetHandler({});
        processend::SetHandler({});
        machineidentity::SetSources(nullptr);
        folders::SetBaseFolder({});
        Deployment() = saved_;
    }
    LoginEnvironment(const LoginEnvironment&) = delete;
    LoginEnvironment& operator=(const LoginEnvironment&) = delete;

    void registerThisMachine(const QString& user) { server.registerMachine(QString::fromLatin1(kMachineId), user); }
    QString basePath() const { return base_.path(); }

    QList<int> ends;
    QList<shellopen::ShellRequest> shellRequests;
    ScriptedMessages messages;
    ReferenceServer server;

private:
    DeploymentValues saved_;
    QTemporaryDir base_;
};

} // namespace testsupport
