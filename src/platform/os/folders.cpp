#include "platform/os/folders.h"

#include <QDir>

#include <mutex>

namespace folders {
namespace {
const QString productFolder = QStringLiteral("velkora");

std::mutex& baseMutex()
{
    static std::mutex m;
    return m;
}

QString& baseFolder()
{
    static QString base;
    return base;
}

QString testBase()
{
    std::lock_guard lock(baseMutex());
    return baseFolder();
}

QString withoutTrailingSeparator(const QString& path)
{
    return path.isEmpty() ? path : QDir::cleanPath(path);
}

// The folder is made if missing; a folder that cannot be made is still
// returned, so the write that needs it fails with its own clear error.
QString created(const QString& path)
{
    const QString clean = withoutTrailingSeparator(path);
    QDir().mkpath(clean);
    return clean;
}
} // namespace

QString AppDataFolder()
{
    const QString base = testBase();
    return created((base.isEmpty() ? platform::RoamingConfigBase() : base + QStringLiteral("/config")) + u'/' + productFolder);
}

QString DocumentsFolder()
{
    const QString base = testBase();
    if (base.isEmpty())
        return withoutTrailingSeparator(platform::Documents());
    return created(base + QStringLiteral("/Documents"));
}

QString LocalDataFolder()
{
    const QString base = testBase();
    return created((base.isEmpty() ? platform::LocalDataBase() : base + QStringLiteral("/data")) + u'/' + productFolder);
}

void SetBaseFolder(const QString& base)
{
    std::lock_guard lock(baseMutex());
    baseFolder() = base;
}

} // namespace folders
