// XDG base folders: the variable when it holds an absolute path, else the
// usual folder below the home folder.
#include "platform/os/folders.h"

#include <QDir>
#include <QStandardPaths>

namespace folders::platform {
namespace {
QString xdgFolder(const char* variable, const QString& fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + u'/' + fallbackBelowHome;
}
} // namespace

QString RoamingConfigBase()
{
    return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QString LocalDataBase()
{
    return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString Documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace folders::platform
