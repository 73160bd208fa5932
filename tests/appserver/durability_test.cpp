// A change the server has answered survives the server being killed right after.
#include "platform/dsclient/dsconnection.h"
#include "server/proxim.h"
#include "support/referenceserver.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TSonucBilgisi> Customer(int carino)
{
    auto record = std::make_unique<TSonucBilgisi>();
    record->setCARINO(carino);
    record->setSirano(1);
    return record;
}

int BasketLines(dsclient::DSConnection& connection, int carino)
{
    TServerMethods1Client proxy(connection);
    return proxy.SepetVer2(carino).rowCount();
}

} // namespace

TEST(ReferenceServerDurability, AnsweredChangesSurviveAKill)
{
    testsupport::ReferenceServer server;
    dsclient::DSConnection connection;
    connection.setHostName("127.0.0.1");
    connection.setPort(QString::number(server.port()));

    const int carino = 2;
    const int before = BasketLines(connection, carino);
    for (int i = 1; i <= 3; ++i) {
        {
            TServerMethods1Client proxy(connection);
            ASSERT_EQ(proxy.SepetEkle2(Customer(carino), carino, 10 + i, "", "Parça", 1, 20, 100, 0, 1, 0, 0, 0, 0),
                      1);
        }
        connection.close();
        server.kill();
        server.start();
        EXPECT_EQ(BasketLines(connection, carino), before + i);
        connection.close();
    }
}
