#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/servercallerror.h"
#include "platform/dsclient/tablecodec.h"
#include "server/proxim.h"
#include "support/recordingserver.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

using catalogue::Direction;
using catalogue::Kind;
using catalogue::Method;
using dsclient::DSConnection;
using dsclient::ServerCallError;
using testsupport::RecordingServer;
using testsupport::ScriptedAnswer;

namespace {

const QByteArray kStreamBytes("\x00\x01\xff JPEG?", 10);

QJsonObject SampleRecord(const char* type)
{
    const QString t = QLatin1String(type);
    if (t == TSonucBilgisi::kTypeName) {
        TSonucBilgisi r;
        r.setADI("BAYİ");
        r.setCARINO(77);
        r.setVarmi(true);
        return r.toJson();
    }
    if (t == TSiparisDipAyrinti::kTypeName) {
        TSiparisDipAyrinti r;
        r.setDurumu("Onaylandı");
        return r.toJson();
    }
    if (t == TTusSonuclari::kTypeName) {
        TTusSonuclari r;
        r.setAlindi(3);
        return r.toJson();
    }
    if (t == TMobilCariBilgisi::kTypeName) {
        TMobilCariBilgisi r;
        r.setCARIADI("Öz Oto");
        return r.toJson();
    }
    if (t == TAcilisEkran::kTypeName) {
        TAcilisEkran r;
        r.setBaslik("Kampanya");
        return r.toJson();
    }
    TAcilisEkranlariki r;
    TAcilisEkran e;
    e.setSiraNo(5);
    r.setEkranlar({e, e});
    return r.toJson();
}

std::string SampleTable()
{
    DataTable table;
    table.addField({QStringLiteral("STOKNO"), FieldType::Int32});
    table.addField({QStringLiteral("STOKADI"), FieldType::WideString, 40});
    table.column(0).appendInt(1);
    table.column(1).appendText("FREN BALATASI ÖN");
    table.column(0).appendInt(2);
    table.column(1).appendNull();
    return dsclient::encodeTable(table);
}

QJsonValue SampleAnswerValue(Kind kind, const char* recordType)
{
    switch (kind) {
    case Kind::Text: return QStringLiteral("yanıt");
    case Kind::Int32: return 42;
    case Kind::Int64: return qint64(kStreamBytes.size());
    case Kind::Double: return 2.5;
    case Kind::Boolean: return true;
    case Kind::Record: return SampleRecord(recordType);
    case Kind::Rows:
    case Kind::DataPacket: return QJsonDocument::fromJson(QByteArray::fromStdString(SampleTable())).object();
    case Kind::Stream: return QString::fromLatin1(kStreamBytes.toBase64());
    case Kind::None: break;
    }
    return {};
}

QJsonValue SampleInput(Kind kind, const char* recordType)
{
    switch (kind) {
    case Kind::Text: return QStringLiteral("ığüşöç İ");
    case Kind::Int32: return 7;
    case Kind::Int64: return qint64(1) << 40;
    case Kind::Double: return 1.25;
    case Kind::Boolean: return false;
    case Kind::Record: return SampleRecord(recordType);
    default: return {};
    }
}

// The answer the catalogue says the method gives, with one sample value per slot.
std::string SampleAnswer(const Method& m)
{
    QJsonArray result;
    for (const auto& p : m.parameters)
        if (p.direction == Direction::Out)
            result.append(SampleAnswerValue(p.kind, p.recordType));
    if (m.result != Kind::None)
        result.append(SampleAnswerValue(m.result, m.resultRecordType));
    return QJsonDocument(QJsonObject{{"result", result}}).toJson(QJsonDocument::Compact).toStdString();
}

bool HasJsonType(const QJsonValue& v, Kind kind)
{
    switch (kind) {
    case Kind::Text: return v.isString();
    case Kind::Int32:
    case Kind::Int64:
    case Kind::Double: return v.isDouble();
    case Kind::Boolean: return v.isBool();
    case Kind::Record: return v.isObject() || v.isNull();
    default: return false;
    }
}

class ProxyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const Method& m : catalogue::Methods())
            if (std::string(m.name) != "EchoString")
                server.setDefault(m.name, ScriptedAnswer::Json(SampleAnswer(m)));
        connection.setHostName("127.0.0.1");
        connection.setPort(QString::number(server.port()));
        connection.setConnectTimeoutMs(2000);
        connection.setResponseTimeoutMs(10000);
        connection.open();
    }

    QJsonArray SentParameters(const char* method)
    {
        const auto requests = server.requests(method);
        EXPECT_FALSE(requests.empty()) << method;
        if (requests.empty())
            return {};
        return QJsonDocument::fromJson(QByteArray::fromStdString(requests.back().body))
            .object()
            .value("_parameters")
            .toArray();
    }

    RecordingServer server;
    DSConnection connection;
};

} // namespace

// Every method of the catalogue: path, parameters in order with their JSON
// types, and every answer value decoded with the catalogue's kind.
TEST_F(ProxyTest, EveryCatalogueMethodRoundTrips)
{
    TServerMethods1Client proxy(connection);
    for (const Method& m : catalogue::Methods()) {
        SCOPED_TRACE(m.name);
        QJsonArray inputs;
        for (const auto& p : m.parameters)
            if (p.direction == Direction::In)
                inputs.append(SampleInput(p.kind, p.recordType));
        const std::size_t before = server.requests(m.name).size(); // the open sent EchoString once
        const MethodAnswer answer = proxy.Invoke(QLatin1String(m.name), inputs);

        const auto requests = server.requests(m.name);
        ASSERT_EQ(requests.size(), before + 1);
        EXPECT_EQ(requests.back().httpMethod, "POST");
        EXPECT_EQ(requests.back().path, std::string("/datasnap/rest/TServerMethods1/") + m.name);
        const QJsonArray sent = SentParameters(m.name);
        ASSERT_EQ(sent.size(), m.inputCount());
        int i = 0;
        for (const auto& p : m.parameters) {
            if (p.direction == Direction::Out)
                continue;
            EXPECT_TRUE(HasJsonType(sent[i], p.kind)) << "parameter " << p.name;
            EXPECT_EQ(sent[i], inputs[i]) << "parameter " << p.name;
            ++i;
        }

        ASSERT_EQ(answer.count(), m.outputCount() + (m.result == Kind::None ? 0 : 1));
        int position = 0;
        auto check = [&](Kind kind, const char* recordType) {
            switch (kind) {
            case Kind::Text: // the recording server echoes EchoString's parameter
                EXPECT_EQ(answer.text(position), std::string(m.name) == "EchoString" ? inputs[0].toString()
                                                                                     : QStringLiteral("yanıt"));
                break;
            case Kind::Int32: EXPECT_EQ(answer.int32(position), 42); break;
            case Kind::Int64: EXPECT_EQ(answer.int64(position), kStreamBytes.size()); break;
            case Kind::Double: EXPECT_EQ(answer.number(position), 2.5); break;
            case Kind::Boolean: EXPECT_TRUE(answer.boolean(position)); break;
            case Kind::Record:
                ASSERT_TRUE(answer.record(position));
                EXPECT_EQ(answer.record(position)->value("type").toString(), QLatin1String(recordType));
                break;
            case Kind::Rows:
            case Kind::DataPacket: {
                const DataTable t = answer.table(position);
                ASSERT_EQ(t.rowCount(), 2);
                EXPECT_EQ(t.column(1).textAt(0), "FREN BALATASI ÖN");
                EXPECT_TRUE(t.column(1).isNull(1));
                break;
            }
            case Kind::Stream: EXPECT_EQ(answer.stream(position), kStreamBytes); break;
            case Kind::None: break;
            }
            ++position;
        };
        for (const auto& p : m.parameters)
            if (p.direction == Direction::Out)
                check(p.kind, p.recordType);
        check(m.result, m.resultRecordType);
    }
}

// Each typed operation reaches its own method with the right number of inputs
// and hands back its result; a typo in a wrapper fails here.
TEST_F(ProxyTest, TypedOperationsCallTheirMethods)
{
    TServerMethods1Client proxy(connection);
    const TSonucBilgisi sbilgi;
    auto copy = [&] { return CopyLoginRecord(sbilgi); };
    qint64 size = 0;
    const std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"AcilisEkranlarVer2", [&] { EXPECT_EQ(proxy.AcilisEkranlarVer2()->Ekranlar().size(), 2); }},
        {"AcilisREklamVer", [&] { EXPECT_EQ(proxy.AcilisREklamVer(1)->Baslik(), "Kampanya"); }},
        {"AcilisReklamAdet", [&] { EXPECT_EQ(proxy.AcilisReklamAdet(), 42); }},
        {"BakiyeDegistir", [&] { EXPECT_EQ(proxy.BakiyeDegistir(copy(), 1, 2, 3, 4, 5, "B"), 42); }},
        {"BakiyeDuzenle", [&] { EXPECT_EQ(proxy.BakiyeDuzenle(copy(), 1, 2, 3, 4, 5, "B"), 42); }},
        {"BakiyeFiyatDegistir", [&] { EXPECT_EQ(proxy.BakiyeFiyatDegistir(copy(), 1, 2, 3, 4, 5, "B", 6, 7), 42); }},
        {"BakiyelerVer2", [&] { EXPECT_EQ(proxy.BakiyelerVer2(1).rowCount(), 2); }},
        {"BalonGetir", [&] { EXPECT_EQ(proxy.BalonGetir(copy()).rowCount(), 2); }},
        {"BannerResimVer", [&] { EXPECT_EQ(proxy.BannerResimVer(size), kStreamBytes); }},
        {"BannerResimVer2", [&] { EXPECT_EQ(proxy.BannerResimVer2(size), kStreamBytes); }},
        {"BannerResimVer3", [&] { EXPECT_EQ(proxy.BannerResimVer3(size), kStreamBytes); }},
        {"BuyukGetir", [&] { EXPECT_EQ(proxy.BuyukGetir("ID")->CARINO(), 77); }},
        {"CariAra", [&] { EXPECT_EQ(proxy.CariAra(copy(), "A").rowCount(), 2); }},
        {"CariDurumVer", [&] { EXPECT_EQ(proxy.CariDurumVer(1), "yanıt"); }},
        {"CariEkstreVer", [&] { EXPECT_EQ(proxy.CariEkstreVer(1).rowCount(), 2); }},
        {"CariSepetVer", [&] { EXPECT_EQ(proxy.CariSepetVer(copy(), 1).rowCount(), 2); }},
        {"CariVadeGunGecmismiBul", [&] { EXPECT_EQ(proxy.CariVadeGunGecmismiBul(1), "yanıt"); }},
        {"FaturaAltGetir", [&] { EXPECT_EQ(proxy.FaturaAltGetir(1).rowCount(), 2); }},
        {"FaturaGetir", [&] { EXPECT_EQ(proxy.FaturaGetir(1, 2).rowCount(), 2); }},
        {"KampanyaliVer2", [&] { EXPECT_EQ(proxy.KampanyaliVer2(1, 2).rowCount(), 2); }},
        {"KargoVer", [&] { EXPECT_EQ(proxy.KargoVer().rowCount(), 2); }},
        {"KargolarVer", [&] { EXPECT_EQ(proxy.KargolarVer(1).rowCount(), 2); }},
        {"KayanYaziGetir", [&] { EXPECT_EQ(proxy.KayanYaziGetir(), "yanıt"); }},
        {"MailGonserCari",
         [&] { EXPECT_EQ(proxy.MailGonserCari("1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
                                              "14", "15", "16"), 42); }},
        {"MailGonserCariNormal",
         [&] { EXPECT_EQ(proxy.MailGonserCariNormal("1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                                                    "13", "14", "15", "16", "17"), 42); }},
        {"MobilCariBilgisiGetir", [&] { EXPECT_EQ(proxy.MobilCariBilgisiGetir(1, "ID")->CARIADI(), "Öz Oto"); }},
        {"OncekiSiparisler", [&] { EXPECT_EQ(proxy.OncekiSiparisler(1).rowCount(), 2); }},
        {"RaporAlinanSiparisler", [&] { EXPECT_EQ(proxy.RaporAlinanSiparisler(copy(), 1, 2).rowCount(), 2); }},
        {"RaporEnCokSatilanStoklar", [&] { EXPECT_EQ(proxy.RaporEnCokSatilanStoklar(copy(), 1, 2).rowCount(), 2); }},
        {"RaporGetir", [&] { EXPECT_EQ(proxy.RaporGetir(1, 2, 3, 4, "S", 5, 6, size), kStreamBytes); }},
        {"ResimVer5", [&] { EXPECT_EQ(proxy.ResimVer5(1, size), kStreamBytes); }},
        {"ReverseString", [&] { EXPECT_EQ(proxy.ReverseString("abc"), "yanıt"); }},
        {"SAnalPosPdfVer", [&] { EXPECT_EQ(proxy.SAnalPosPdfVer(1, size), kStreamBytes); }},
        {"SanalposSiranoVer", [&] { EXPECT_EQ(proxy.SanalposSiranoVer(1), 42); }},
        {"SepetEkle2",
         [&] { EXPECT_EQ(proxy.SepetEkle2(copy(), 1, 2, "B", "A", 1, 18, 100, 10, 3, 0, 5, 0, 0), 42); }},
        {"SepetGuncelle2",
         [&] { EXPECT_EQ(proxy.SepetGuncelle2(copy(), 1, 2, "B", "A", 1, 18, 100, 10, 3, 9, 5, 0, 0), 42); }},
        {"SepetHepsiniSil", [&] { EXPECT_EQ(proxy.SepetHepsiniSil(copy()), 42); }},
        {"SepetSatirSil", [&] { EXPECT_EQ(proxy.SepetSatirSil(copy(), 1, "x"), 42); }},
        {"SepetSayisi", [&] { EXPECT_EQ(proxy.SepetSayisi(copy()), 42); }},
        {"SepetSecimGuncelle", [&] { proxy.SepetSecimGuncelle(1, 1); }},
        {"SepetVer2", [&] { EXPECT_EQ(proxy.SepetVer2(1).rowCount(), 2); }},
        {"SiparisAyrintisi2", [&] { EXPECT_EQ(proxy.SiparisAyrintisi2(1, 2).rowCount(), 2); }},
        {"SiparisAytintisiDip", [&] { EXPECT_EQ(proxy.SiparisAytintisiDip(1, 2)->Durumu(), "Onaylandı"); }},
        {"SiparisKaydet", [&] { EXPECT_TRUE(proxy.SiparisKaydet(copy(), 1, 2, 3, "m", 4, 5)); }},
        {"StokAraGetir", [&] { EXPECT_EQ(proxy.StokAraGetir("FREN", copy()).rowCount(), 2); }},
        {"Tahsilat", [&] { EXPECT_EQ(proxy.Tahsilat(1).rowCount(), 2); }},
        {"TeslimVer", [&] { EXPECT_EQ(proxy.TeslimVer().rowCount(), 2); }},
        {"TumSiparislerVer", [&] { EXPECT_EQ(proxy.TumSiparislerVer(1, 2).rowCount(), 2); }},
        {"TusSonuclariVer", [&] { EXPECT_EQ(proxy.TusSonuclariVer(copy())->Alindi(), 3); }},
        {"YenilerVer2", [&] { EXPECT_EQ(proxy.YenilerVer2(1).rowCount(), 2); }},
    };
    for (const auto& [method, call] : calls) {
        SCOPED_TRACE(method);
        call();
        const auto requests = server.requests(method);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(SentParameters(method).size(), catalogue::FindMethod(method)->inputCount());
    }
    EXPECT_EQ(size, kStreamBytes.size());
    // EchoString is what the connection opens with; the rest each have a wrapper.
    EXPECT_EQ(calls.size() + 1, catalogue::Methods().size());
}

TEST_F(ProxyTest, OutParameterAndStreamComeFromTheSameCall)
{
    server.enqueue("ResimVer5", ScriptedAnswer::Json(R"({"result":[3,"QUJD"]})"));
    TServerMethods1Client proxy(connection);
    qint64 boy = 0;
    EXPECT_EQ(proxy.ResimVer5(12, boy), QByteArray("ABC"));
    EXPECT_EQ(boy, 3);
    EXPECT_EQ(SentParameters("ResimVer5"), QJsonArray{12});
}

TEST_F(ProxyTest, NullRecordAndMissingRecordParameter)
{
    server.enqueue("BuyukGetir", ScriptedAnswer::Json(R"({"result":[null]})"));
    TServerMethods1Client proxy(connection);
    EXPECT_FALSE(proxy.BuyukGetir("UNKNOWN").has_value());

    proxy.StokAraGetir("ABC", nullptr);
    const QJsonArray sent = SentParameters("StokAraGetir");
    ASSERT_EQ(sent.size(), 2);
    EXPECT_TRUE(sent[1].isNull());
}

TEST_F(ProxyTest, ACallWithACopyLeavesTheMainRecordIntact)
{
    TSonucBilgisi sbilgi;
    sbilgi.setADI("BAYI");
    sbilgi.setCARINO(12);
    sbilgi.setMusteriTipi(0);
    const TSonucBilgisi before = sbilgi;
    TServerMethods1Client proxy(connection);
    proxy.SepetSayisi(CopyLoginRecord(sbilgi));
    EXPECT_EQ(sbilgi, before);
    const QJsonObject sent = SentParameters("SepetSayisi")[0].toObject();
    EXPECT_EQ(sent.value("type").toString(), "baglantiu.TSonucBilgisi");
    EXPECT_EQ(sent.value("fields").toObject().value("FCARINO").toInt(), 12);
}

TEST_F(ProxyTest, ProcedureWithoutResultCountsAsDone)
{
    server.enqueue("SepetSecimGuncelle", ScriptedAnswer::Json(R"({"result":[]})"));
    TServerMethods1Client proxy(connection);
    EXPECT_NO_THROW(proxy.SepetSecimGuncelle(5, 1));
    EXPECT_EQ(SentParameters("SepetSecimGuncelle"), (QJsonArray{5, 1}));
}

// Answers of the wrong shape or types are BadAnswer errors naming the method.
TEST_F(ProxyTest, WrongAnswersAreBadAnswers)
{
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"AcilisReklamAdet", R"({"result":["42"]})"},
        {"AcilisReklamAdet", R"({"result":[4.5]})"},
        {"AcilisReklamAdet", R"({"result":[1e12]})"},
        {"AcilisReklamAdet", R"({"result":[]})"},
        {"AcilisReklamAdet", R"({"result":[1,2]})"},
        {"SiparisKaydet", R"({"result":[1]})"},
        {"BuyukGetir", R"({"result":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{}}]})"},
        {"BuyukGetir", R"({"result":[{"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"x"}}]})"},
        {"ResimVer5", R"({"result":[3,"!!not base64!!"]})"},
        {"StokAraGetir", R"({"result":[42]})"},
        {"StokAraGetir", R"({"result":[{"table":[["A",6,0,0,0,4,0,0,true,false,0,false,false]],"A":["x"]}]})"},
        {"StokAraGetir", R"({"result":[{"nope":1}]})"},
    };
    TServerMethods1Client proxy(connection);
    for (const auto& [method, body] : cases) {
        SCOPED_TRACE(body);
        server.enqueue(method, ScriptedAnswer::Json(body));
        qint64 size = 0;
        try {
            const std::string m = method;
            if (m == "AcilisReklamAdet")
                proxy.AcilisReklamAdet();
            else if (m == "SiparisKaydet")
                proxy.SiparisKaydet(nullptr, 1, 1, 1, "", 1, 1);
            else if (m == "BuyukGetir")
                proxy.BuyukGetir("X");
            else if (m == "ResimVer5")
                proxy.ResimVer5(1, size);
            else
                proxy.StokAraGetir("X", nullptr);
            ADD_FAILURE() << "accepted";
        } catch (const ServerCallError& e) {
            EXPECT_EQ(e.kind(), ServerCallError::Kind::BadAnswer);
            EXPECT_NE(std::string(e.what()).find(method), std::string::npos) << e.what();
        }
    }
}

TEST_F(ProxyTest, ServerErrorCarriesItsText)
{
    server.enqueue("SepetSayisi", ScriptedAnswer::Error("Sepet bulunamadı"));
    TServerMethods1Client proxy(connection);
    try {
        proxy.SepetSayisi(nullptr);
        FAIL() << "no error";
    } catch (const ServerCallError& e) {
        EXPECT_EQ(e.kind(), ServerCallError::Kind::ServerError);
        EXPECT_EQ(e.serverText(), "Sepet bulunamadı");
    }
}

TEST_F(ProxyTest, WrongInputsNeverReachTheServer)
{
    TServerMethods1Client proxy(connection);
    EXPECT_THROW(proxy.Invoke("NoSuchMethod", {}), std::invalid_argument);
    EXPECT_THROW(proxy.Invoke("SepetSecimGuncelle", {1}), std::invalid_argument);
    EXPECT_THROW(proxy.Invoke("SepetSecimGuncelle", {1, "x"}), std::invalid_argument);
    EXPECT_THROW(proxy.Invoke("SepetSayisi", {SampleRecord(catalogue::kStateCountersRecord)}), std::invalid_argument);
    EXPECT_TRUE(server.requests("SepetSecimGuncelle").empty());
    EXPECT_TRUE(server.requests("SepetSayisi").empty());
}
