// Linux sources of the machine identity: sysfs and udev data for the disk and
// the adapters, the host name, the password database and the resolver.
#include "platform/os/identitysources.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QSysInfo>

#include <algorithm>

#include <arpa/inet.h>
#include <netdb.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace machineidentity {
namespace {

// First line of a small sysfs or udev file, without its line end; null when unreadable.
QString readFirstLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.read(64 * 1024);
    const qsizetype end = data.indexOf('\n');
    if (end >= 0)
        data.truncate(end);
    if (data.endsWith('\r'))
        data.chop(1);
    return QString::fromUtf8(data);
}

QStringList sortedEntries(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    std::sort(names.begin(), names.end());
    return names;
}

bool isVirtualBlockDevice(const QString& name)
{
    static const QStringList prefixes = {QStringLiteral("loop"), QStringLiteral("ram"),
                                         QStringLiteral("zram"), QStringLiteral("dm-"),
                                         QStringLiteral("md"),   QStringLiteral("sr")};
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const QString& p) { return name.startsWith(p); });
}

// Value of "E:<key>=" in a udev database file.
QString udevProperty(const QString& path, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray prefix = "E:" + key.toUtf8() + '=';
    while (!file.atEnd()) {
        QByteArray line = file.readLine(64 * 1024);
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size()));
    }
    return {};
}

// The drive's own serial number: sysfs first, then what udev learnt from the
// drive, then the world-wide name as the last resort.
QString serialOfBlockDevice(const QString& root, const QString& name)
{
    const QString device = root + QStringLiteral("/sys/block/") + name;
    QString serial = readFirstLine(device + QStringLiteral("/device/serial"));
    if (!serial.trimmed().isEmpty())
        return serial;

    const QString majorMinor = readFirstLine(device + QStringLiteral("/dev")).trimmed();
    if (!majorMinor.isEmpty()) {
        const QString udevFile = root + QStringLiteral("/run/udev/data/b") + majorMinor;
        for (const char* key : {"ID_SERIAL_SHORT", "ID_SERIAL"}) {
            serial = udevProperty(udevFile, QString::fromLatin1(key));
            if (!serial.trimmed().isEmpty())
                return serial;
        }
    }
    return readFirstLine(device + QStringLiteral("/device/wwid"));
}

// "aa:bb:cc:dd:ee:ff" from sysfs as bytes; empty when it is not an address.
QByteArray parseSysfsAddress(const QString& text)
{
    QByteArray bytes;
    const QStringList parts = text.trimmed().split(u':');
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok || part.size() > 2 || value > 0xff)
            return {};
        bytes.append(char(value));
    }
    return bytes;
}

QString rootWithoutSeparator(QString root)
{
    while (root.endsWith(u'/'))
        root.chop(1);
    return root;
}

} // namespace

SystemIdentitySources::SystemIdentitySources(QString rootFolder)
    : root_(rootWithoutSeparator(std::move(rootFolder)))
{
}

QString SystemIdentitySources::diskSerial() const
{
    const QString blockFolder = root_ + QStringLiteral("/sys/block");
    if (!QDir(blockFolder).exists())
        throw DiskSerialError("the block devices cannot be listed");
    for (const QString& name : sortedEntries(blockFolder)) {
        if (isVirtualBlockDevice(name) || !QDir(blockFolder + u'/' + name + QStringLiteral("/device")).exists())
            continue;
        // The first physical disk decides, as the system drive would; a disk
        // without any serial gives empty rather than another disk's serial.
        return serialOfBlockDevice(root_, name).toUpper();
    }
    throw DiskSerialError("no physical disk found");
}

QString SystemIdentitySources::macAddress() const
{
    static const QString allZero = QStringLiteral("00-00-00-00-00-00");
    const QString netFolder = root_ + QStringLiteral("/sys/class/net");
    QString result;
    for (const QString& name : sortedEntries(netFolder)) {
        if (name == QLatin1String("lo"))
            continue;
        const QString formatted =
            FormatAdapterAddress(parseSysfsAddress(readFirstLine(netFolder + u'/' + name + QStringLiteral("/address"))));
        if (!formatted.isEmpty())
            result = formatted;
        // Only an all-zero address so far lets the search go on; a failing
        // adapter before any address ends it with an empty result.
        if (result != allZero)
            break;
    }
    return result;
}

QString SystemIdentitySources::computerName() const
{
    const QString host = QSysInfo::machineHostName();
    return host.left(host.indexOf(u'.'));
}

QString SystemIdentitySources::userName() const
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    QByteArray buffer(size > 0 ? size : 16384, '\0');
    passwd entry {};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("USER");
}

// A host name the resolver does not know gives the loopback address, as the
// original fallback for a missing socket library does: the value stays a
// well-formed address and the login record never carries an empty one.
QString SystemIdentitySources::localIpAddress() const
{
    static const QString loopback = QStringLiteral("127.0.0.1");
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        return loopback;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    addrinfo* results = nullptr;
    if (::getaddrinfo(host, nullptr, &hints, &results) != 0 || !results)
        return loopback;
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(results->ai_addr);
    const bool ok = ::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) != nullptr;
    ::freeaddrinfo(results);
    return ok ? QString::fromLatin1(text) : loopback;
}

} // namespace machineidentity
