#pragma once

#include <QString>

#include <memory>
#include <stdexcept>

// Where the machine identity comes from. The login binds an account to a
// computer by these values; each platform reads them from its own sources.
namespace machineidentity {

// Raised when the disk serial cannot be read at all (no disk, no readable source).
class DiskSerialError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IdentitySources {
public:
    virtual ~IdentitySources() = default;

    // Serial of the first physical disk, upper case, untrimmed; throws DiskSerialError.
    virtual QString diskSerial() const = 0;
    // First usable adapter address as "AA-BB-CC-DD-EE-FF", or empty.
    virtual QString macAddress() const = 0;
    // The computer's own name (not yet cut to its short form); empty when unknown.
    virtual QString computerName() const = 0;
    // Name of the user running the program; empty when unknown.
    virtual QString userName() const = 0;
    // First IPv4 address of the local host name, dotted.
    virtual QString localIpAddress() const = 0;
};

// The operating system's sources. On Linux the disk and adapter data are read
// below rootFolder ("/" normally; tests point it at a prepared tree).
class SystemIdentitySources : public IdentitySources {
public:
    explicit SystemIdentitySources(QString rootFolder = QStringLiteral("/"));

    QString diskSerial() const override;
    QString macAddress() const override;
    QString computerName() const override;
    QString userName() const override;
    QString localIpAddress() const override;

private:
    QString root_;
};

// Text form of an adapter address: the first six bytes as upper-case hex pairs
// joined by "-"; empty when there are fewer than six bytes.
QString FormatAdapterAddress(const QByteArray& bytes);

// The sources in use: the system's by default.
std::shared_ptr<const IdentitySources> CurrentSources();

// Test seam: installs fixed sources; nullptr restores the system's.
void SetSources(std::shared_ptr<const IdentitySources> sources);

} // namespace machineidentity
