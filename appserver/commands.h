#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace appserver {

// One parsed command line of velkora-appserver.
struct Command {
    enum class Kind { Serve, RegisterMachine, SetVersion, Notify } kind = Kind::Serve;
    QString db;
    QString bind = QStringLiteral("127.0.0.1");
    int port = 9090;
    QString machineId;
    QString user;
    int version = 1;
    QString text;
};

// Parses the arguments after the program name; on a mistake returns nothing
// and sets `error`.
std::optional<Command> ParseCommand(const QStringList& args, QString* error);

QString Usage();

// Binds a machine to an account (moving it if it was bound elsewhere).
// Throws with a clear message for an unknown user.
void RegisterMachine(const QString& dbFile, const QString& machineId, const QString& user);

// The program version the login record reports.
void SetVersion(const QString& dbFile, int version);

// Asks the server on the loopback port to broadcast `text`; returns the
// number of clients reached, or -1 when the server could not be reached.
int SendNotify(int port, const QString& text);

} // namespace appserver
