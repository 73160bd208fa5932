#include "platform/os/processend.h"

#include <unistd.h>
#include <cstdio>

namespace processend {
namespace {
Handler& handler()
{
    static Handler h;
    return h;
}
} // namespace

void EndProcessNow(int exitCode)
{
    if (const Handler& h = handler()) {
        h(exitCode);
        return;
    }
    std::fflush(nullptr);
    ::_exit(exitCode);
}

void SetHandler(Handler h)
{
    handler() = std::move(h);
}

} // namespace processend
