#include "server/beklesinu.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>
#include <QtDebug>

#include <exception>

namespace {

// Background work mostly waits on the network (reconnect pauses, server
// answers) and may block on a synchronous hand-over, so the pool must not be
// limited to the number of cores: loads of different tabs run side by side.
constexpr int kMinPoolThreads = 16;

QThreadPool* Pool()
{
    static QThreadPool* pool = [] {
        QThreadPool* p = QThreadPool::globalInstance();
        if (p->maxThreadCount() < kMinPoolThreads)
            p->setMaxThreadCount(kMinPoolThreads);
        return p;
    }();
    return pool;
}

// Runs fn; returns false when an exception left it. Exceptions must not cross
// the event loop or a thread's entry point.
bool RunCatching(const TProc& fn, const char* where)
{
    try {
        if (fn)
            fn();
        return true;
    } catch (const std::exception& e) {
        qWarning("%s: %s", where, e.what());
    } catch (...) {
        qWarning("%s: unknown exception", where);
    }
    return false;
}

bool OnMainThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

std::shared_ptr<TLoadState> NewLoadState(QObject* window)
{
    return std::make_shared<TLoadState>(window);
}

TAwait::TAwait(TProc async) : FAsync(std::move(async)) {}

void TAwait::Await(TProc continuation)
{
    Start(std::move(continuation), false, nullptr, nullptr);
}

void TAwait::Await(TProc continuation, QObject* context)
{
    Start(std::move(continuation), context != nullptr, context, nullptr);
}

void TAwait::Await(TProc continuation, std::shared_ptr<TLoadState> state)
{
    // A load state without a window (a load that serves no window) is unguarded.
    QPointer<QObject> window = state ? state->window : nullptr;
    Start(std::move(continuation), !window.isNull(), window, std::move(state));
}

void TAwait::Start(TProc continuation, bool guarded, QPointer<QObject> guard,
                   std::shared_ptr<TLoadState> state)
{
    // Lives on the calling thread and carries the continuation back to it; it
    // outlives any window, so posting to it from the worker is always safe.
    auto* receiver = new QObject;
    auto self = shared_from_this();
    Pool()->start([self, receiver, continuation = std::move(continuation), guarded, guard,
                   state]() mutable {
        if (!RunCatching(self->FAsync, "background work") && state)
            state->hata = true;
        // Everything the continuation holds is released on the calling thread.
        QMetaObject::invokeMethod(
            receiver,
            [self = std::move(self), receiver, continuation = std::move(continuation), guarded,
             guard = std::move(guard), state = std::move(state)] {
                receiver->deleteLater();
                if (guarded && !guard)
                    return;
                RunCatching(continuation, "continuation");
            },
            Qt::QueuedConnection);
    });
}

std::shared_ptr<IAwait> Async(TProc work)
{
    return std::make_shared<TAwait>(std::move(work));
}

void RunOnMainThreadSync(const TProc& fn)
{
    if (OnMainThread()) {
        fn();
        return;
    }
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&fn, &error] {
            try {
                fn();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error)
        std::rethrow_exception(error);
}

void RunOnMainThreadQueued(TProc fn)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [fn = std::move(fn)] { RunCatching(fn, "queued hand-over"); }, Qt::QueuedConnection);
}

void StartOneOffThread(TProc fn)
{
    QThread* thread =
        QThread::create([fn = std::move(fn)] { RunCatching(fn, "one-off thread"); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
