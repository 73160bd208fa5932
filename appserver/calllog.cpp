#include "calllog.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace appserver {
namespace {

bool isPassword(const QString& name)
{
    return name.contains(QLatin1String("sifre"), Qt::CaseInsensitive);
}

QJsonValue masked(const QJsonValue& v)
{
    if (!v.isObject())
        return v;
    QJsonObject o = v.toObject();
    QJsonObject fields = o.value("fields").toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        if (isPassword(it.key()))
            it.value() = QStringLiteral("***");
    o["fields"] = fields;
    return o;
}

QString shown(const QJsonValue& v)
{
    if (v.isString())
        return '"' + v.toString() + '"';
    if (v.isObject())
        return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

} // namespace

QString CallLogLine(const catalogue::Method& method, const QJsonArray& inputs)
{
    QStringList parts;
    int i = 0;
    for (const auto& p : method.parameters) {
        if (p.direction != catalogue::Direction::In)
            continue;
        const QJsonValue v = inputs.at(i++);
        const QString name = QLatin1String(p.name);
        parts << name + '=' + (isPassword(name) ? QStringLiteral("***") : shown(masked(v)));
    }
    return QLatin1String(method.name) + '(' + parts.join(", ") + ')';
}

} // namespace appserver
