#include "app/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Options {
    QString dir;
    bool quitAfter = false;
};

Options Parse(const QStringList& arguments)
{
    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--screenshot-dir") && i + 1 < arguments.size())
            options.dir = arguments[++i];
        else if (argument.startsWith(QLatin1String("--screenshot-dir=")))
            options.dir = argument.section(QLatin1Char('='), 1);
        else if (argument == QLatin1String("--quit-after-screenshots"))
            options.quitAfter = true;
    }
    return options;
}

bool Save(QWidget* window, const QString& dir, const QString& name)
{
    const QString path = QDir(dir).filePath(name);
    if (!QDir().mkpath(dir) || !window->grab().save(path)) {
        std::fprintf(stderr, "velkora: cannot write screenshot %s\n", qPrintable(path));
        return false;
    }
    std::fprintf(stderr, "velkora: screenshot %s\n", qPrintable(path));
    return true;
}

// Waits until the window is exposed and its size has settled (a maximised
// window may be resized once more by the window manager), then shoots.
void WhenSettled(QWidget* window, std::function<void()> shoot)
{
    constexpr int kCheckMs = 200;
    constexpr int kMaxChecks = 150; // shoot anyway after half a minute
    auto* timer = new QTimer(window);
    timer->setInterval(kCheckMs);
    auto checks = std::make_shared<int>(0);
    auto lastSize = std::make_shared<QSize>();
    QObject::connect(timer, &QTimer::timeout, window, [=] {
        ++*checks;
        const bool exposed = window->isVisible() && window->windowHandle()
            && window->windowHandle()->isExposed();
        const bool settled = exposed && window->size() == *lastSize;
        *lastSize = window->size();
        if (!settled && *checks < kMaxChecks)
            return;
        timer->stop();
        timer->deleteLater();
        shoot();
    });
    timer->start();
}

} // namespace

void ScheduleScreenshots(QWidget* mainWindow, const QStringList& arguments)
{
    const Options options = Parse(arguments);
    if (options.dir.isEmpty())
        return;
    QPointer<QWidget> window(mainWindow);
    WhenSettled(mainWindow, [window, options] {
        if (!window)
            return;
        const bool saved = Save(window, options.dir, QStringLiteral("shell.png"));
        if (options.quitAfter)
            QCoreApplication::exit(saved ? 0 : 1);
    });
}
