#include "platform/os/shellopen.h"
#include "platform/os/waits.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ShellOpen, RecorderSeesOpenedAddressesAndStartedPrograms)
{
    std::vector<shellopen::ShellRequest> seen;
    shellopen::SetHandler([&](const shellopen::ShellRequest& r) {
        seen.push_back(r);
        return true;
    });
    EXPECT_TRUE(shellopen::OpenUrl(QUrl("https://www.example.com.tr/a b?x=ş")));
    EXPECT_TRUE(shellopen::OpenFile("/tmp/makbuz 1.pdf"));
    EXPECT_TRUE(shellopen::StartProgram("/tmp/VelkoraSetup.exe", {"/silent"}));
    shellopen::SetHandler({});

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].kind, shellopen::ShellRequest::Kind::OpenUrl);
    EXPECT_EQ(seen[0].target, "https://www.example.com.tr/a%20b?x=%C5%9F");
    EXPECT_EQ(seen[1].target, "file:///tmp/makbuz%201.pdf");
    EXPECT_EQ(seen[2].kind, shellopen::ShellRequest::Kind::StartProgram);
    EXPECT_EQ(seen[2].target, "/tmp/VelkoraSetup.exe");
    EXPECT_EQ(seen[2].arguments, QStringList{"/silent"});
}

TEST(Waits, HandlerReplacesTheWaitAndCountsIt)
{
    std::vector<int> waited;
    waits::SetHandler([&](int ms) { waited.push_back(ms); });
    for (int i = 0; i < 11; ++i)
        waits::Sleep(500);
    waits::SetHandler({});
    EXPECT_EQ(waited, std::vector<int>(11, 500));
}

} // namespace
