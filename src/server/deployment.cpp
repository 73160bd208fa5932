#include "server/deployment.h"

#include <QUrl>

#include <optional>

namespace {

// "HOST:PORT" (or "[v6-address]:PORT"); a host alone keeps the port.
bool parseServer(const QString& text, DeploymentValues& values)
{
    const QUrl url(QStringLiteral("tcp://") + text.trimmed());
    if (!url.isValid() || url.host().isEmpty() || !url.path().isEmpty() || !url.userInfo().isEmpty())
        return false;
    const int port = url.port(values.serverPort);
    if (port <= 0)
        return false;
    values.serverHost = url.host();
    values.serverPort = port;
    return true;
}

bool parseWebAddress(const QString& text, QString& target)
{
    QString address = text.trimmed();
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return false;
    if (!address.endsWith(u'/'))
        address += u'/';
    target = address;
    return true;
}

bool apply(const QString& name, const QString& value, DeploymentValues& values)
{
    if (name == QLatin1String("server"))
        return parseServer(value, values);
    if (name == QLatin1String("web"))
        return parseWebAddress(value, values.webSite);
    if (name == QLatin1String("maker"))
        return parseWebAddress(value, values.makerWebServer);
    if (name == QLatin1String("locale")) {
        values.locale = value.trimmed();
        return true;
    }
    return true;
}

const QStringList optionNames = {QStringLiteral("server"), QStringLiteral("web"), QStringLiteral("maker"),
                                 QStringLiteral("locale")};

} // namespace

DeploymentValues& Deployment()
{
    static DeploymentValues values;
    return values;
}

bool applyOverrides(const QStringList& args, QString* error)
{
    DeploymentValues values = Deployment();
    auto fail = [&](const QString& what) {
        if (error)
            *error = what;
        return false;
    };

    for (const QString& name : optionNames) {
        const QByteArray variable = "VELKORA_" + name.toUpper().toLatin1();
        if (qEnvironmentVariableIsSet(variable.constData())
            && !apply(name, qEnvironmentVariable(variable.constData()), values))
            return fail(QStringLiteral("invalid value: %1=%2").arg(QString::fromLatin1(variable), qEnvironmentVariable(variable.constData())));
    }

    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--")))
            continue;
        const qsizetype equals = arg.indexOf(u'=');
        const QString name = arg.mid(2, equals < 0 ? -1 : equals - 2);
        if (!optionNames.contains(name))
            continue;
        std::optional<QString> value;
        if (equals >= 0)
            value = arg.mid(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        if (!value)
            return fail(QStringLiteral("missing value after --%1").arg(name));
        if (!apply(name, *value, values))
            return fail(QStringLiteral("invalid value for --%1: %2").arg(name, *value));
    }

    Deployment() = values;
    return true;
}
