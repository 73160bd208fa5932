#include "platform/os/shellopen.h"

#include <QDesktopServices>
#include <QProcess>

#include <mutex>

namespace shellopen {
namespace {
std::mutex& handlerMutex()
{
    static std::mutex m;
    return m;
}

Handler& installedHandler()
{
    static Handler h;
    return h;
}

Handler currentHandler()
{
    std::lock_guard lock(handlerMutex());
    return installedHandler();
}
} // namespace

bool OpenUrl(const QUrl& url)
{
    if (const Handler h = currentHandler())
        return h({ShellRequest::Kind::OpenUrl, url.toString(QUrl::FullyEncoded), {}});
    return QDesktopServices::openUrl(url);
}

bool OpenFile(const QString& path)
{
    return OpenUrl(QUrl::fromLocalFile(path));
}

bool StartProgram(const QString& program, const QStringList& arguments)
{
    if (const Handler h = currentHandler())
        return h({ShellRequest::Kind::StartProgram, program, arguments});
    return QProcess::startDetached(program, arguments);
}

void SetHandler(Handler handler)
{
    std::lock_guard lock(handlerMutex());
    installedHandler() = std::move(handler);
}

} // namespace shellopen
