#include "platform/os/shellopen.h"
#include "requests/formistekyeniu.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <vector>

#ifndef VELKORA_WITH_WEBENGINE
// Without the embedded browser the page goes to the system browser and the
// window says where it went.
TEST(TformistekyeniTest, OpensTheSystemBrowserAndKapatCloses)
{
    std::vector<shellopen::ShellRequest> opened;
    shellopen::SetHandler([&](const shellopen::ShellRequest& r) {
        opened.push_back(r);
        return true;
    });
    const QString address = "http://127.0.0.1:9/formmailgonder.aspx?carino=0&kullanici= &id=ABC123";
    {
        Tformistekyeni window;
        window.setWindowTitle("Velkora B2B Programı İstek Formu");
        window.Navigate(address);
        window.show();
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].kind, shellopen::ShellRequest::Kind::OpenUrl);
        EXPECT_EQ(opened[0].target, "http://127.0.0.1:9/formmailgonder.aspx?carino=0&kullanici=%20&id=ABC123");
        EXPECT_EQ(window.adres->text(), address);

        QTest::mouseClick(window.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.result(), QDialog::Rejected);
    }
    shellopen::SetHandler({});
}
#endif
