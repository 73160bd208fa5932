// Windows sources of the machine identity. Only the names are read here so far;
// the disk serial and the adapter address still need their Windows readers.
#include "platform/os/identitysources.h"

#include <QHostInfo>
#include <QSysInfo>

namespace machineidentity {

SystemIdentitySources::SystemIdentitySources(QString rootFolder)
    : root_(std::move(rootFolder))
{
}

QString SystemIdentitySources::diskSerial() const
{
    throw DiskSerialError("the disk serial cannot be read on this platform yet");
}

QString SystemIdentitySources::macAddress() const
{
    return {};
}

QString SystemIdentitySources::computerName() const
{
    return QSysInfo::machineHostName();
}

QString SystemIdentitySources::userName() const
{
    return qEnvironmentVariable("USERNAME");
}

QString SystemIdentitySources::localIpAddress() const
{
    return QStringLiteral("127.0.0.1");
}

} // namespace machineidentity
