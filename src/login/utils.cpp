#include "login/utils.h"

#include "platform/os/folders.h"
#include "server/deployment.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <exception>

namespace {
// The identity functions never raise: a failing source gives empty.
template <typename Read>
QString orEmpty(Read read)
{
    try {
        return read(*machineidentity::CurrentSources());
    } catch (const std::exception&) {
        return {};
    }
}

constexpr qsizetype kComputerNameLength = 15;
} // namespace

QString GetComputerNameText()
{
    return orEmpty([](const auto& s) { return s.computerName(); }).left(kComputerNameLength);
}

QString GetWindowsUserName()
{
    return orEmpty([](const auto& s) { return s.userName(); });
}

QString GetLocalIpAddress()
{
    const QString address = orEmpty([](const auto& s) { return s.localIpAddress(); });
    return address.isEmpty() ? QStringLiteral("127.0.0.1") : address;
}

QString GetMacAddress()
{
    return orEmpty([](const auto& s) { return s.macAddress(); });
}

QString GetDiskSerial()
{
    return machineidentity::CurrentSources()->diskSerial();
}

QString GetMachineId()
{
    QString id;
    try {
        id = GetDiskSerial().trimmed();
    } catch (const std::exception&) {
        id.clear();
    }
    if (id.isEmpty())
        id = GetMacAddress().trimmed();
    id.remove(u' ');

    const DeploymentValues& deployment = Deployment();
    if (!id.isEmpty() && deployment.knownDiskSerials.contains(id))
        id = deployment.knownSerialMachineId;
    return id;
}

QString GetDocumentsFolder()
{
    return folders::DocumentsFolder();
}

QString GetAppDataFolder()
{
    return folders::AppDataFolder();
}

QString GetLocalDataFolder()
{
    return folders::LocalDataFolder();
}

QString UrlEncode(const QString& address)
{
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid())
        return address;
    return QString::fromLatin1(url.toEncoded());
}

QString FindChromePath()
{
#ifdef Q_OS_WIN
    const QStringList candidates = {
        QStringLiteral("C:/Program Files (x86)/Google/Chrome/Application/chrome.exe"),
        QStringLiteral("C:/Program Files (x86)/Google/Application/chrome.exe"),
        QStringLiteral("C:/Program Files/Google/Chrome/Application/chrome.exe"),
        QStringLiteral("C:/Program Files/Google/Chrome/chrome.exe"),
        QStringLiteral("C:/Users/") + GetWindowsUserName() + QStringLiteral("/AppData/Local/Google/Chrome/Application/chrome.exe"),
    };
#else
    const QStringList candidates = {
        QStringLiteral("/usr/bin/chromium"),
        QStringLiteral("/usr/bin/chromium-browser"),
        QStringLiteral("/usr/bin/google-chrome"),
        QStringLiteral("/usr/bin/google-chrome-stable"),
        QStringLiteral("/snap/bin/chromium"),
    };
#endif
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

int GetInternetExplorerVersion()
{
#ifdef VELKORA_WITH_WEBENGINE
    return 11;
#else
    return 0;
#endif
}
