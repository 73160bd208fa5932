#include "server/beklesinu.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kLimitMs = 30000;

QThread* MainThread() { return QCoreApplication::instance()->thread(); }

// Lets every pool worker end and delivers what they queued for the main thread.
void DrainBackground()
{
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(kLimitMs));
    QCoreApplication::sendPostedEvents();
}

TEST(Async, ContinuationRunsOnMainThreadAfterWork)
{
    QSemaphore release;
    std::vector<QString> order;
    std::atomic<QThread*> workThread = nullptr;
    QThread* continuationThread = nullptr;
    bool done = false;

    Async([&] {
        workThread = QThread::currentThread();
        ASSERT_TRUE(release.tryAcquire(1, kLimitMs));
        order.push_back("work");
    })->Await([&] {
        continuationThread = QThread::currentThread();
        order.push_back("continuation");
        done = true;
    });
    order.push_back("await returned"); // the work is still blocked here
    release.release();

    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, kLimitMs));
    EXPECT_NE(workThread.load(), MainThread());
    EXPECT_EQ(continuationThread, MainThread());
    EXPECT_EQ(order, (std::vector<QString>{"await returned", "work", "continuation"}));
}

TEST(Async, LoadsOfTwoTabsOverlap)
{
    QSemaphore arrived;
    QSemaphore proceed;
    int finished = 0;
    for (int tab = 0; tab < 2; ++tab) {
        auto state = NewLoadState(nullptr);
        Async([&arrived, &proceed, state] {
            arrived.release();
            // Only goes on once the other load is inside its work as well.
            state->hata = !proceed.tryAcquire(1, kLimitMs);
        })->Await([&finished, state] { finished += state->hata ? 0 : 1; });
    }
    EXPECT_TRUE(arrived.tryAcquire(2, kLimitMs)) << "the second load waited for the first";
    proceed.release(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished == 2; }, kLimitMs));
}

TEST(Async, EscapedExceptionIsAFailedLoad)
{
    auto state = NewLoadState(nullptr);
    bool continued = false;
    bool hataSeen = false;
    Async([] { throw std::runtime_error("server went away"); })->Await([&, state] {
        continued = true;
        hataSeen = state->hata;
    }, state);
    ASSERT_TRUE(QTest::qWaitFor([&] { return continued; }, kLimitMs));
    EXPECT_TRUE(hataSeen);

    // Without a load state the continuation still runs; a non-standard throw too.
    bool plainContinued = false;
    Async([] { throw 42; })->Await([&] { plainContinued = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return plainContinued; }, kLimitMs));
}

TEST(Async, ContinuationSkippedWhenWindowIsGone)
{
    for (bool viaLoadState : {false, true}) {
        SCOPED_TRACE(viaLoadState ? "load state window" : "context object");
        auto* window = new QObject;
        auto state = NewLoadState(window);
        QSemaphore release;
        bool continued = false;
        auto await = Async([&] { ASSERT_TRUE(release.tryAcquire(1, kLimitMs)); });
        if (viaLoadState)
            await->Await([&] { continued = true; }, state);
        else
            await->Await([&] { continued = true; }, window);
        await.reset();

        delete window;
        release.release();
        DrainBackground();
        EXPECT_FALSE(continued);
        EXPECT_EQ(state.use_count(), 1) << "the skipped continuation released the load state";
    }
}

TEST(HandOver, SyncOnMainThreadRunsDirectly)
{
    bool ran = false;
    RunOnMainThreadSync([&] {
        EXPECT_EQ(QThread::currentThread(), MainThread());
        ran = true;
    });
    EXPECT_TRUE(ran); // no event loop has run in between
}

TEST(HandOver, SyncFromWorkerRunsOnMainThreadAndWaits)
{
    QThread* handOverThread = nullptr;
    bool ranBeforeReturn = false;
    bool errorReachedWorker = false;
    bool done = false;
    Async([&] {
        bool ran = false;
        RunOnMainThreadSync([&] {
            handOverThread = QThread::currentThread();
            ran = true;
        });
        ranBeforeReturn = ran;
        try {
            RunOnMainThreadSync([] { throw std::runtime_error("label gone"); });
        } catch (const std::runtime_error&) {
            errorReachedWorker = true;
        }
    })->Await([&] { done = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, kLimitMs));
    EXPECT_EQ(handOverThread, MainThread());
    EXPECT_TRUE(ranBeforeReturn);
    EXPECT_TRUE(errorReachedWorker);
}

TEST(HandOver, QueuedDoesNotWait)
{
    QSemaphore workerDone;
    bool ran = false;
    QThread* ranOn = nullptr;
    Async([&] {
        RunOnMainThreadQueued([&] {
            ranOn = QThread::currentThread();
            ran = true;
        });
        workerDone.release();
    })->Await([] {});
    // The main thread processes no events while it waits here, so a hand-over
    // that waited for it would never let the worker finish.
    ASSERT_TRUE(workerDone.tryAcquire(1, kLimitMs));
    EXPECT_FALSE(ran);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran; }, kLimitMs));
    EXPECT_EQ(ranOn, MainThread());
    DrainBackground();
}

TEST(OneOffThread, RunsBesideTheMainThreadAndHandsOverSynchronously)
{
    QSemaphore release;
    std::atomic<QThread*> threadOfWork = nullptr;
    QThread* handOverThread = nullptr;
    bool appliedBeforeEnd = false;
    std::atomic<bool> ended = false;
    StartOneOffThread([&] {
        threadOfWork = QThread::currentThread();
        if (!release.tryAcquire(1, kLimitMs))
            return;
        bool applied = false;
        RunOnMainThreadSync([&] {
            handOverThread = QThread::currentThread();
            applied = true;
        });
        appliedBeforeEnd = applied;
        ended = true;
    });
    release.release(); // the caller went on while the thread waits for this
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended.load(); }, kLimitMs));
    EXPECT_NE(threadOfWork.load(), MainThread());
    EXPECT_EQ(handOverThread, MainThread());
    EXPECT_TRUE(appliedBeforeEnd);

    // An error of the procedure ends its thread quietly.
    std::atomic<bool> thrown = false;
    StartOneOffThread([&] {
        thrown = true;
        throw std::runtime_error("no answer");
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return thrown.load(); }, kLimitMs));
}

} // namespace
