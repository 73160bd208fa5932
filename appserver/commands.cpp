#include "commands.h"

#include "database.h"
#include "demodata.h"

#include <httplib.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace appserver {
namespace {

bool takePort(const QString& v, int* port)
{
    bool ok = false;
    const int p = v.toInt(&ok);
    if (!ok || p < 0 || p > 65535)
        return false;
    *port = p;
    return true;
}

} // namespace

QString Usage()
{
    return QStringLiteral("usage:\n"
                          "  velkora-appserver serve --db FILE [--bind 127.0.0.1] [--port 9090]\n"
                          "  velkora-appserver register-machine --db FILE MACHINE_ID USER\n"
                          "  velkora-appserver set-version --db FILE N\n"
                          "  velkora-appserver notify --port N [TEXT]\n");
}

std::optional<Command> ParseCommand(const QStringList& args, QString* error)
{
    auto bad = [&](const QString& why) -> std::optional<Command> {
        *error = why;
        return std::nullopt;
    };
    if (args.isEmpty())
        return bad("no command given");
    Command c;
    const QString verb = args.first();
    if (verb == "serve")
        c.kind = Command::Kind::Serve;
    else if (verb == "register-machine")
        c.kind = Command::Kind::RegisterMachine;
    else if (verb == "set-version")
        c.kind = Command::Kind::SetVersion;
    else if (verb == "notify")
        c.kind = Command::Kind::Notify;
    else
        return bad("unknown command " + verb);

    QStringList positional;
    bool portGiven = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--db" && hasValue && c.kind != Command::Kind::Notify) {
            c.db = args[++i];
        } else if (a == "--bind" && hasValue && c.kind == Command::Kind::Serve) {
            c.bind = args[++i];
        } else if (a == "--port" && hasValue &&
                   (c.kind == Command::Kind::Serve || c.kind == Command::Kind::Notify)) {
            if (!takePort(args[++i], &c.port))
                return bad("invalid port " + args[i]);
            portGiven = true;
        } else if (a.startsWith("--")) {
            return bad("unknown or incomplete option " + a);
        } else {
            positional << a;
        }
    }
    switch (c.kind) {
    case Command::Kind::Serve:
        if (c.db.isEmpty() || !positional.isEmpty())
            return bad("serve needs --db FILE and nothing else");
        break;
    case Command::Kind::RegisterMachine:
        if (c.db.isEmpty() || positional.size() != 2)
            return bad("register-machine needs --db FILE MACHINE_ID USER");
        c.machineId = positional[0];
        c.user = positional[1];
        break;
    case Command::Kind::SetVersion: {
        bool ok = false;
        if (c.db.isEmpty() || positional.size() != 1)
            return bad("set-version needs --db FILE N");
        c.version = positional[0].toInt(&ok);
        if (!ok)
            return bad("invalid version " + positional[0]);
        break;
    }
    case Command::Kind::Notify:
        if (!portGiven || c.port == 0 || positional.size() > 1)
            return bad("notify needs --port N and at most one TEXT");
        c.text = positional.value(0);
        break;
    }
    return c;
}

void RegisterMachine(const QString& dbFile, const QString& machineId, const QString& user)
{
    PrepareDatabaseFile(dbFile);
    Connection db(dbFile);
    Transaction t(db);
    const QVariant sirano = db.scalar("SELECT SIRANO FROM kullanici WHERE ADI = ?", {user});
    if (!sirano.isValid())
        throw std::runtime_error(("unknown user " + user).toStdString());
    db.run("INSERT INTO makine (BILGISAYARID, KULLANICI) VALUES (?, ?) "
           "ON CONFLICT(BILGISAYARID) DO UPDATE SET KULLANICI = excluded.KULLANICI",
           {machineId, sirano});
    t.commit();
}

void SetVersion(const QString& dbFile, int version)
{
    PrepareDatabaseFile(dbFile);
    Connection db(dbFile);
    Transaction t(db);
    db.run("INSERT INTO ayar (ANAHTAR, DEGER) VALUES ('Version', ?) "
           "ON CONFLICT(ANAHTAR) DO UPDATE SET DEGER = excluded.DEGER",
           {QString::number(version)});
    t.commit();
}

int SendNotify(int port, const QString& text)
{
    httplib::Client cli("127.0.0.1", port);
    cli.set_connection_timeout(5);
    cli.set_read_timeout(10);
    const QByteArray body = QJsonDocument(QJsonObject{{"text", text}}).toJson(QJsonDocument::Compact);
    auto res = cli.Post("/velkora/notify", body.toStdString(), "application/json");
    if (!res || res->status != 200)
        return -1;
    return QJsonDocument::fromJson(QByteArray::fromStdString(res->body)).object().value("clients").toInt(-1);
}

} // namespace appserver
