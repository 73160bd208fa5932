#include "calltool.h"
#include "support/recordingserver.h"
#include "support/referenceserver.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using testsupport::RecordingServer;
using testsupport::ScriptedAnswer;

namespace {

struct ToolRun {
    int code;
    QString out;
    QString err;
};

ToolRun Call(const QStringList& arguments)
{
    ToolRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = RunCallTool(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

QStringList At(const RecordingServer& server, QStringList arguments)
{
    return QStringList{"--server", QStringLiteral("127.0.0.1:%1").arg(server.port())} + arguments;
}

} // namespace

TEST(CallTool, EchoStringAsTheBinaryPrintsTheDecodedResult)
{
    RecordingServer server;
    QProcess process;
    process.start(VELKORA_CALL_BINARY, At(server, {"EchoString", "\"Merhaba dünya\""}));
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(process.readAllStandardOutput()).object(),
              QJsonObject({{"result", QJsonArray{"Merhaba dünya"}}}));
}

TEST(CallTool, SendsARecordParameterAndPrintsTablesInTableForm)
{
    RecordingServer server;
    server.enqueue("CariSepetVer", ScriptedAnswer::Json(
        R"({"result":[{"table":[["SAYI",6,0,0,0,4,0,0,true,false,0,false,false]],"SAYI":[3,null]}]})"));
    const QString record = R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":12}})";
    const ToolRun run = Call(At(server, {"CariSepetVer", record, "5"}));
    ASSERT_EQ(run.code, 0) << run.err.toStdString();

    const auto requests = server.requests("CariSepetVer");
    ASSERT_EQ(requests.size(), 1u);
    const QJsonArray sent =
        QJsonDocument::fromJson(QByteArray::fromStdString(requests[0].body)).object().value("_parameters").toArray();
    EXPECT_EQ(sent.at(0).toObject().value("fields").toObject().value("FCARINO").toInt(), 12);
    EXPECT_EQ(sent.at(1).toInt(), 5);

    const QJsonObject table = QJsonDocument::fromJson(run.out.toUtf8()).object().value("result").toArray()[0].toObject();
    EXPECT_EQ(table.value("SAYI").toArray(), (QJsonArray{3, QJsonValue::Null}));
    EXPECT_EQ(table.value("table").toArray()[0].toArray()[0].toString(), "SAYI");
}

TEST(CallTool, ExitCodesTellWhatWentWrong)
{
    RecordingServer server;
    server.enqueue("SepetSayisi", ScriptedAnswer::Error("Kayıt yok"));
    const ToolRun serverError = Call(At(server, {"SepetSayisi", "null"}));
    EXPECT_EQ(serverError.code, 1);
    EXPECT_EQ(serverError.err.trimmed(), "Kayıt yok");

    const ToolRun noServer = Call({"--server", QStringLiteral("127.0.0.1:%1").arg(testsupport::UnusedPort()),
                               "EchoString", "\"x\""});
    EXPECT_EQ(noServer.code, 2);
    EXPECT_FALSE(noServer.err.isEmpty());

    for (const QStringList& wrong : {QStringList{}, QStringList{"NoSuchMethod"}, QStringList{"EchoString"},
                                     QStringList{"EchoString", "{broken"}, QStringList{"SepetSayisi", "42"}}) {
        SCOPED_TRACE(wrong.join(' ').toStdString());
        const ToolRun run = Call(At(server, wrong));
        EXPECT_EQ(run.code, 3);
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CallTool, SearchesTheReferenceServersStock)
{
    testsupport::ReferenceServer server;
    const ToolRun run = Call({"--server", QStringLiteral("127.0.0.1:%1").arg(server.port()), "StokAraGetir",
                              "\"FREN\"", "null"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QJsonObject table = QJsonDocument::fromJson(run.out.toUtf8()).object().value("result").toArray()[0].toObject();
    EXPECT_TRUE(table.value("table").isArray());
    EXPECT_GT(table.value("ADI").toArray().size(), 0);
    EXPECT_EQ(table.value("ADI").toArray().size(), table.value("IND1").toArray().size());
}
