#pragma once

// A shown main window whose stock tab searches a server on loopback, with
// messages answered by script and the reconnect waits cut short.

#include "app/tform1.h"
#include "catalogue/stocklisttab.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/format/formatfloat.h"
#include "platform/grid/datagrid.h"
#include "platform/os/processend.h"
#include "platform/os/waits.h"
#include "server/baglantiu.h"
#include "support/scriptedmessages.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

class StockTabFixture : public ::testing::Test {
protected:
    void openWindow(int port)
    {
        processend::SetHandler([](int) {});
        waits::SetHandler([](int) {});
        SetCurrentLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
        window = std::make_unique<TForm1>();
        window->bagc->setHostName(QStringLiteral("127.0.0.1"));
        window->bagc->setPort(QString::number(port));
        window->sbilgi->setADI(QStringLiteral("BAYI"));
        window->sbilgi->setCARINO(1);
        window->sbilgi->setMusteriTipi(0);
        window->setWindowState(Qt::WindowNoState);
        window->resize(1300, 800);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), 30000));
        tab = window->stockListTab;
        araedit = window->araedit;
    }

    void TearDown() override
    {
        if (tab)
            QTRY_VERIFY_WITH_TIMEOUT(!tab->isSearching(), 30000);
        window.reset();
        waits::SetHandler({});
        processend::SetHandler({});
        SetCurrentLocale(QLocale::system());
    }

    // Types the text into the search box key by key, as the user would; Turkish
    // letters arrive as key events carrying the letter, as a keyboard sends them.
    void type(const QString& text)
    {
        for (QChar ch : text) {
            const int key = ch.unicode() < 128 ? QChar(ch).toUpper().unicode() : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::KeyAction::Click, araedit, Qt::Key(key), QString(ch), Qt::NoModifier);
        }
    }
    void pressEnter() { QTest::keyClick(araedit, Qt::Key_Return); }

    // Presses Enter and waits until the search has ended.
    void search(const QString& text)
    {
        araedit->clear();
        type(text);
        pressEnter();
        QTRY_VERIFY_WITH_TIMEOUT(!tab->isSearching(), 30000);
    }

    QString caption() const
    {
        return window->sPageControl1->tabText(window->sPageControl1->indexOf(tab->page()));
    }

    ScriptedMessages messages;
    std::unique_ptr<TForm1> window;
    StockListTab* tab = nullptr;
    QLineEdit* araedit = nullptr;
};
