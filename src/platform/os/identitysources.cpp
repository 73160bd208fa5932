#include "platform/os/identitysources.h"

#include <QByteArray>

#include <mutex>

namespace machineidentity {
namespace {
std::mutex& sourcesMutex()
{
    static std::mutex m;
    return m;
}

std::shared_ptr<const IdentitySources>& installedSources()
{
    static std::shared_ptr<const IdentitySources> s;
    return s;
}
} // namespace

QString FormatAdapterAddress(const QByteArray& bytes)
{
    if (bytes.size() < 6)
        return {};
    return QString::fromLatin1(bytes.first(6).toHex('-').toUpper());
}

std::shared_ptr<const IdentitySources> CurrentSources()
{
    std::lock_guard lock(sourcesMutex());
    if (!installedSources())
        installedSources() = std::make_shared<SystemIdentitySources>();
    return installedSources();
}

void SetSources(std::shared_ptr<const IdentitySources> sources)
{
    std::lock_guard lock(sourcesMutex());
    installedSources() = std::move(sources);
}

} // namespace machineidentity
