#include "server/deployment.h"

#include <gtest/gtest.h>

namespace {

class Overrides : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const char* v : {"VELKORA_SERVER", "VELKORA_WEB", "VELKORA_MAKER", "VELKORA_LOCALE"})
            qunsetenv(v);
        Deployment() = DeploymentValues();
    }
};

TEST_F(Overrides, OptionsPointTheClientElsewhere)
{
    ASSERT_TRUE(applyOverrides({"velkora", "--server", "127.0.0.1:18090", "--web=http://localhost:18091/site",
                                "--maker", "http://localhost:18091/", "--locale", "en_US", "--other", "x"}));
    const DeploymentValues& d = Deployment();
    EXPECT_EQ(d.serverHost, "127.0.0.1");
    EXPECT_EQ(d.serverPort, 18090);
    EXPECT_EQ(d.webSite, "http://localhost:18091/site/");
    EXPECT_EQ(d.addressEchoUrl(), "http://localhost:18091/ip.php");
    EXPECT_EQ(d.setupDownloadUrl(), "http://localhost:18091/exe/VelkoraSetup.exe");
    EXPECT_EQ(d.locale, "en_US");
}

TEST_F(Overrides, OptionsWinOverEnvironmentAndHostAloneKeepsPort)
{
    qputenv("VELKORA_SERVER", "env-host:7000");
    qputenv("VELKORA_WEB", "https://env.example/");
    ASSERT_TRUE(applyOverrides({"--server=opt-host"}));
    EXPECT_EQ(Deployment().serverHost, "opt-host");
    EXPECT_EQ(Deployment().serverPort, 7000);
    EXPECT_EQ(Deployment().webSite, "https://env.example/");
}

TEST_F(Overrides, BadValuesChangeNothingAndSayWhy)
{
    for (const QStringList& args : {QStringList{"--web", "https://ok.example/", "--server", "host:99999"},
                                    QStringList{"--server", "host:abc"}, QStringList{"--web", "ftp://x/"},
                                    QStringList{"--maker"}, QStringList{"--server", ""}}) {
        QString error;
        EXPECT_FALSE(applyOverrides(args, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(Deployment().webSite, DeploymentValues().webSite);
        EXPECT_EQ(Deployment().serverPort, 9090);
    }
}

} // namespace
