#pragma once

#include <QObject>
#include <QPointer>

#include <any>
#include <functional>
#include <memory>

// Background calls: a piece of work runs on the thread pool, its continuation
// runs afterwards on the thread that started it (the main thread), so windows
// stay responsive while a server call reconnects and answers.

using TProc = std::function<void()>;

// The state one started load shares between its work and its continuation.
// The continuation reads what the work wrote only after the work has ended, so
// no lock is needed.
struct TLoadState {
    explicit TLoadState(QObject* window = nullptr) : window(window) {}

    QPointer<QObject> window; // the window the load serves; gone = no continuation
    bool hata = false;        // failure of the load, also set when the work throws
    std::any veri;            // whatever else the load hands over
};

std::shared_ptr<TLoadState> NewLoadState(QObject* window);

class IAwait {
public:
    virtual ~IAwait() = default;

    // Starts the work on a pool thread and returns at once; when the work has
    // ended the continuation runs on the calling thread. An exception leaving
    // the work is caught; the continuation still runs.
    virtual void Await(TProc continuation) = 0;

    // As above, but the continuation is skipped when `context` has been
    // destroyed by the time it would run (a null context guards nothing).
    virtual void Await(TProc continuation, QObject* context) = 0;

    // As above with the load state: guarded by its window (when it has one), and
    // an exception leaving the work sets its `hata`.
    virtual void Await(TProc continuation, std::shared_ptr<TLoadState> state) = 0;
};

class TAwait : public IAwait, public std::enable_shared_from_this<TAwait> {
public:
    explicit TAwait(TProc async);

    void Await(TProc continuation) override;
    void Await(TProc continuation, QObject* context) override;
    void Await(TProc continuation, std::shared_ptr<TLoadState> state) override;

private:
    void Start(TProc continuation, bool guarded, QPointer<QObject> guard,
               std::shared_ptr<TLoadState> state);

    TProc FAsync;
};

// Prepares the work; nothing runs until Await.
std::shared_ptr<IAwait> Async(TProc work);

// Runs `fn` on the main thread and waits until it has run. On the main thread
// itself it runs directly. An exception thrown by `fn` reaches the caller.
void RunOnMainThreadSync(const TProc& fn);

// Queues `fn` for the main thread and returns at once.
void RunOnMainThreadQueued(TProc fn);

// Starts a thread for this one procedure; the thread frees itself when the
// procedure ends and the caller goes on at once. An exception leaving the
// procedure ends the thread quietly.
void StartOneOffThread(TProc fn);
