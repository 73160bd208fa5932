#include "app/options.h"

#include "login/utils.h"
#include "server/deployment.h"

#include <cstdio>

std::optional<int> HandleCommandLine(const QStringList& arguments)
{
    QString error;
    if (!applyOverrides(arguments.mid(1), &error)) {
        std::fprintf(stderr, "velkora: %s\n", qPrintable(error));
        return 2;
    }
    if (arguments.contains(QStringLiteral("--machine-id"))) {
        std::printf("%s\n", GetMachineId().toUtf8().constData());
        std::fflush(stdout);
        return 0;
    }
    return std::nullopt;
}
