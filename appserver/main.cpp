#include "appserver.h"
#include "commands.h"
#include "demodata.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

using namespace appserver;

int main(int argc, char** argv)
{
    // Pictures and PDF documents of the demo data are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();

    QString error;
    const auto cmd = ParseCommand(args, &error);
    if (!cmd) {
        std::fprintf(stderr, "%s\n%s", qPrintable(error), qPrintable(Usage()));
        return 2;
    }
    try {
        switch (cmd->kind) {
        case Command::Kind::Serve: {
            PrepareDatabaseFile(cmd->db);
            AppServer server(cmd->db);
            const int port = server.bind(cmd->bind, cmd->port);
            if (port < 0) {
                std::fprintf(stderr, "cannot listen on %s:%d\n", qPrintable(cmd->bind), cmd->port);
                return 1;
            }
            // The first line on standard output is the port, for scripts and tests.
            std::printf("%d\n", port);
            std::fflush(stdout);
            return server.serve() ? 0 : 1;
        }
        case Command::Kind::RegisterMachine:
            RegisterMachine(cmd->db, cmd->machineId, cmd->user);
            return 0;
        case Command::Kind::SetVersion:
            SetVersion(cmd->db, cmd->version);
            return 0;
        case Command::Kind::Notify: {
            const int n = SendNotify(cmd->port, cmd->text);
            if (n < 0) {
                std::fprintf(stderr, "no server answered on port %d\n", cmd->port);
                return 1;
            }
            std::printf("%d\n", n);
            return 0;
        }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
