#include "handlers.h"

#include "database.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace appserver {
namespace {

// Requests are kept in the database, never sent; 1 means stored.
int storeMail(CallContext& c, const QString& subject)
{
    QJsonObject fields;
    int i = 0;
    for (const auto& p : c.args.method().parameters)
        fields[QLatin1String(p.name)] = c.args.values().at(i++);
    Transaction t(c.db);
    c.db.run("INSERT INTO mail (METOT, IDSI, KONU, ALANLAR, ZAMAN) VALUES (?,?,?,?,?)",
             {QLatin1String(c.args.method().name), c.args.text(0), subject,
              QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact)),
              QDateTime::currentDateTime().toString(Qt::ISODate)});
    t.commit();
    return 1;
}

} // namespace

void RegisterMailMethods(HandlerTable& t)
{
    t["MailGonserCari"] = [](CallContext& c) { return Answer{QJsonValue(storeMail(c, c.args.text(1)))}; };
    t["MailGonserCariNormal"] = [](CallContext& c) { return Answer{QJsonValue(storeMail(c, c.args.text(16)))}; };
}

} // namespace appserver
