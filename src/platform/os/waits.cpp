#include "platform/os/waits.h"

#include <QThread>

#include <mutex>

namespace waits {
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
} // namespace

void Sleep(int ms)
{
    Handler h;
    {
        std::lock_guard lock(handlerMutex());
        h = installedHandler();
    }
    if (h) {
        h(ms);
        return;
    }
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void SetHandler(Handler handler)
{
    std::lock_guard lock(handlerMutex());
    installedHandler() = std::move(handler);
}

} // namespace waits
