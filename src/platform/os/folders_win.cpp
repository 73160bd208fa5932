// Known folders of Windows: roaming and local application data, Documents.
#include "platform/os/folders.h"

#include <QDir>
#include <QStandardPaths>

namespace folders::platform {

QString RoamingConfigBase()
{
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
}

QString LocalDataBase()
{
    return QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
}

QString Documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace folders::platform
