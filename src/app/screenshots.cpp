#include "app/screenshots.h"

#include "app/tform1.h"
#include "catalogue/stocklisttab.h"
#include "login/girisformu.h"
#include "platform/os/processend.h"
#include "platform/grid/datagrid.h"
#include "sales/seccariu.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
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

bool Exposed(QWidget* window)
{
    return window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed();
}

// Checks every 200 ms (also inside modal loops) until `ready` holds and the
// window's size has settled (a window manager may resize it once more), then
// shoots; after a minute it shoots anyway.
void WhenSettled(std::function<QWidget*()> window, std::function<void(QWidget*)> shoot)
{
    constexpr int kCheckMs = 200;
    constexpr int kMaxChecks = 300;
    auto* timer = new QTimer(qApp);
    timer->setInterval(kCheckMs);
    auto checks = std::make_shared<int>(0);
    auto lastSize = std::make_shared<QSize>();
    QObject::connect(timer, &QTimer::timeout, [=] {
        ++*checks;
        QWidget* target = window();
        const bool settled = target && Exposed(target) && target->size() == *lastSize;
        *lastSize = target ? target->size() : QSize();
        if (!settled && (*checks < kMaxChecks || !target))
            return;
        timer->stop();
        timer->deleteLater();
        shoot(target);
    });
    timer->start();
}

// A message box instead of the main window means the demo login failed.
void ReportFailedLogin(const QString& dir)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(200);
    QObject::connect(timer, &QTimer::timeout, [timer, dir] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !Exposed(box))
            return;
        timer->stop();
        Save(box, dir, QStringLiteral("message.png"));
        std::fprintf(stderr, "velkora: the demo login failed: %s\n", qPrintable(box->text()));
        processend::EndProcessNow(1);
    });
    timer->start();
}

// A salesperson's demo acts for the first customer of the full list.
void ChooseFirstCustomer()
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(200);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        auto* window = qobject_cast<Tseccari*>(QApplication::activeModalWidget());
        if (!window || !Exposed(window))
            return;
        timer->stop();
        timer->deleteLater();
        window->sBitBtn2Click(); // lists every customer
        if (window->cxGrid1DBTableView1->rowCount() > 0)
            window->cxGrid1DBTableView1->focusRow(window->cxGrid1DBTableView1->dataSetRow(0));
        window->Button1Click();
    });
    timer->start();
}

// A stock search with its results, written as DIR/stocksearch.png.
void ShootStockSearch(QPointer<TForm1> window, const Options& options, bool savedSoFar)
{
    auto finish = [options](bool saved) {
        if (options.quitAfter)
            QCoreApplication::exit(saved ? 0 : 1);
    };
    if (!window) {
        finish(false);
        return;
    }
    auto* once = new QObject(window);
    QObject::connect(window->stockListTab, &StockListTab::searchFinished, once, [=] {
        once->deleteLater();
        WhenSettled([window]() -> QWidget* { return window.data(); }, [=](QWidget* shown) {
            finish(savedSoFar && shown && Save(shown, options.dir, QStringLiteral("stocksearch.png")));
        });
    });
    window->araedit->setText(QStringLiteral("FREN"));
    window->SpeedButton2->click();
}

} // namespace

void ScheduleScreenshots(TForm1* mainWindow, const QStringList& arguments)
{
    const Options options = Parse(arguments);
    if (options.dir.isEmpty())
        return;

    WhenSettled([] { return qobject_cast<Tgirisform*>(QApplication::activeModalWidget()); },
                [options](QWidget* login) {
                    Save(login, options.dir, QStringLiteral("login.png"));
                    ReportFailedLogin(options.dir);
                    ChooseFirstCustomer();
                    if (auto* button = login->findChild<QPushButton*>(QStringLiteral("Button1")))
                        button->click();
                });

    QPointer<TForm1> window(mainWindow);
    QObject::connect(mainWindow, &TForm1::homeContentLoaded, mainWindow, [window, options] {
        WhenSettled([window]() -> QWidget* { return window.data(); }, [window, options](QWidget* shown) {
            const bool saved = shown && Save(shown, options.dir, QStringLiteral("main.png"));
            ShootStockSearch(window, options, saved);
        });
    });
}
