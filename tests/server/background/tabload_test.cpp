#include "server/tabload.h"

#include "platform/widgets/busypicture.h"
#include "platform/widgets/messagedialog.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QThreadPool>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

constexpr int kLimitMs = 30000;
const QString kConnectionMessage = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

// One tab as the main window builds it: busy picture, grid over a model.
struct Tab {
    Tab()
    {
        auto* layout = new QVBoxLayout(&window);
        gif = new BusyPicture(&window);
        gif->setObjectName("gifyeniler");
        grid = new QTableView(&window);
        grid->setObjectName("yenilergrid");
        model.appendRow(new QStandardItem("STOK-1"));
        grid->setModel(&model);
        layout->addWidget(gif);
        layout->addWidget(grid);
        window.show();
    }

    TabLoadSpec spec(std::function<bool()> load)
    {
        TabLoadSpec s;
        s.busyPicture = gif;
        s.input = grid;
        s.view = std::make_shared<ItemViewLoadView>(grid);
        s.load = std::move(load);
        return s;
    }

    QStandardItemModel model; // outlives the window and its grid
    QWidget window;
    BusyPicture* gif = nullptr;
    QTableView* grid = nullptr;
};

class TabLoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        messagedialog::SetResponder([this](const messagedialog::ShownDialog& dialog) {
            shown.append(dialog);
            return int(mrOk);
        });
    }
    void TearDown() override
    {
        // No worker may outlive the objects its test gave it.
        EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(kLimitMs));
        QCoreApplication::sendPostedEvents();
        messagedialog::SetResponder({});
    }

    static bool WaitFinished(TabLoad& load)
    {
        return QTest::qWaitFor([&] { return !load.isRunning(); }, kLimitMs);
    }

    QList<messagedialog::ShownDialog> shown;
};

TEST_F(TabLoadTest, TabIsBusyDuringLoadAndRestoredAfter)
{
    Tab tab;
    QSemaphore release;
    TabLoadSpec spec = tab.spec([&] { return !release.tryAcquire(1, kLimitMs); });
    bool detachedBeforeReattach = false;
    bool restoredBeforeFollowUp = false;
    int followUps = 0;
    spec.beforeReattach = [&](bool) { detachedBeforeReattach = tab.grid->model() != &tab.model; };
    spec.followUp = [&](bool hata) {
        ++followUps;
        restoredBeforeFollowUp = !hata && tab.grid->model() == &tab.model
            && tab.grid->isEnabled() && !tab.gif->isVisible();
    };
    TabLoad load(spec, &tab.window);

    ASSERT_TRUE(load.start());
    EXPECT_TRUE(tab.gif->isVisible());
    EXPECT_TRUE(tab.gif->isRunning());
    EXPECT_FALSE(tab.grid->isEnabled());
    EXPECT_NE(tab.grid->model(), &tab.model);
    EXPECT_FALSE(tab.grid->updatesEnabled());

    release.release();
    ASSERT_TRUE(WaitFinished(load));
    EXPECT_FALSE(tab.gif->isVisible());
    EXPECT_FALSE(tab.gif->isRunning());
    EXPECT_TRUE(tab.grid->isEnabled());
    EXPECT_EQ(tab.grid->model(), &tab.model);
    EXPECT_TRUE(tab.grid->updatesEnabled());
    EXPECT_TRUE(detachedBeforeReattach);
    EXPECT_TRUE(restoredBeforeFollowUp);
    EXPECT_EQ(followUps, 1);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(TabLoadTest, FailedLoadRestoresTabAndShowsTheMessageOnce)
{
    const struct {
        const char* name;
        std::function<bool()> load;
    } cases[] = {
        {"load reports failure", [] { return true; }},
        {"error escapes the load", []() -> bool { throw std::runtime_error("server went away"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shown.clear();
        Tab tab;
        TabLoadSpec spec = tab.spec(c.load);
        int shownAtFollowUp = -1;
        bool hataSeen = false;
        spec.followUp = [&](bool hata) {
            hataSeen = hata;
            shownAtFollowUp = int(shown.size());
        };
        TabLoad load(spec, &tab.window);
        ASSERT_TRUE(load.start());
        ASSERT_TRUE(WaitFinished(load));
        QCoreApplication::sendPostedEvents();

        EXPECT_TRUE(hataSeen);
        EXPECT_EQ(shownAtFollowUp, 0) << "the message comes after the follow-up";
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].text, kConnectionMessage);
        EXPECT_EQ(shown[0].type, MsgDlgType::Error);
        EXPECT_EQ(shown[0].buttons, MsgDlgButtons(mbOK));
        EXPECT_TRUE(tab.grid->isEnabled());
        EXPECT_FALSE(tab.gif->isVisible());
        EXPECT_EQ(tab.grid->model(), &tab.model);
    }
}

TEST_F(TabLoadTest, SecondStartWhileRunningIsIgnored)
{
    Tab tab;
    QSemaphore release;
    std::atomic<int> loads = 0;
    TabLoad load(tab.spec([&] {
        ++loads;
        return !release.tryAcquire(1, kLimitMs);
    }), &tab.window);

    ASSERT_TRUE(load.start());
    EXPECT_FALSE(load.start());
    release.release();
    ASSERT_TRUE(WaitFinished(load));
    EXPECT_EQ(loads.load(), 1);

    // Showing the tab again after the load finished loads again.
    release.release();
    ASSERT_TRUE(load.start());
    ASSERT_TRUE(WaitFinished(load));
    EXPECT_EQ(loads.load(), 2);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(TabLoadTest, LoadsOfTwoTabsRunTogetherAndRestoreTheirOwnTab)
{
    Tab yeniler;
    Tab kampanyali;
    QSemaphore arrived;
    QSemaphore proceed;
    auto loadFn = [&] {
        arrived.release();
        return !proceed.tryAcquire(1, kLimitMs);
    };
    TabLoad first(yeniler.spec(loadFn), &yeniler.window);
    TabLoad second(kampanyali.spec(loadFn), &kampanyali.window);
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(second.start());
    EXPECT_TRUE(arrived.tryAcquire(2, kLimitMs)) << "both workers are inside their load";

    proceed.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !first.isRunning() || !second.isRunning(); }, kLimitMs));
    Tab& done = first.isRunning() ? kampanyali : yeniler;
    Tab& busy = first.isRunning() ? yeniler : kampanyali;
    EXPECT_TRUE(done.grid->isEnabled());
    EXPECT_FALSE(busy.grid->isEnabled());
    EXPECT_TRUE(busy.gif->isVisible());

    proceed.release();
    ASSERT_TRUE(WaitFinished(first));
    ASSERT_TRUE(WaitFinished(second));
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(TabLoadTest, NothingRunsOnAWindowThatIsGone)
{
    QSemaphore release;
    bool followedUp = false;
    {
        Tab tab;
        TabLoadSpec spec = tab.spec([&] {
            release.tryAcquire(1, kLimitMs);
            return true; // a failure would show the message, were the window there
        });
        spec.followUp = [&](bool) { followedUp = true; };
        auto* load = new TabLoad(spec, &tab.window); // owned by the window
        ASSERT_TRUE(load->start());
    } // the window closes while its load runs
    release.release();
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(kLimitMs));
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(followedUp);
    EXPECT_TRUE(shown.isEmpty());
}

} // namespace
