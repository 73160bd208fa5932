#include "platform/dsclient/servercallerror.h"
#include "platform/dsclient/servercallresult.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

using dsclient::ServerCallError;
using dsclient::ServerCallResult;
using Kind = ServerCallError::Kind;

namespace {

ServerCallResult Parse(const std::string& body)
{
    return ServerCallResult(body, body.size());
}

Kind KindOf(const std::string& body)
{
    try {
        Parse(body);
    } catch (const ServerCallError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no error for " << body;
    return Kind::Cancelled;
}

} // namespace

TEST(ServerCallResult, KeepsEveryValueAsRawTextAndAsJson)
{
    const ServerCallResult result = Parse(R"( {"result": [ 42, "Ğı", {"table":[["A",6]],"A":[1,2]}, [true,null] ,-1.5e3 ]} )");
    ASSERT_EQ(result.count(), 5);
    EXPECT_EQ(result.value(0), QJsonValue(42));
    EXPECT_EQ(result.value(1), QJsonValue(QStringLiteral("Ğı")));
    EXPECT_EQ(result.rawValue(2), R"({"table":[["A",6]],"A":[1,2]})");
    EXPECT_EQ(result.value(2).toObject().value("A").toArray().size(), 2);
    EXPECT_EQ(result.rawValue(3), "[true,null]");
    EXPECT_EQ(result.returnValue(), QJsonValue(-1500.0));
    // The buffer behind a raw value goes on past the body, for in-place parsing.
    EXPECT_GE(result.rawValueCapacity(4), result.rawValue(4).size() + 64);
}

TEST(ServerCallResult, AProcedureAnswersAnEmptyResult)
{
    const ServerCallResult result = Parse(R"({"result":[]})");
    EXPECT_EQ(result.count(), 0);
    EXPECT_THROW(result.returnValue(), ServerCallError);
    EXPECT_THROW(result.value(0), ServerCallError);
}

TEST(ServerCallResult, ServerErrorCarriesTheServerText)
{
    try {
        Parse(R"({"error":"Stok bulunamadı"})");
        FAIL();
    } catch (const ServerCallError& error) {
        EXPECT_EQ(error.kind(), Kind::ServerError);
        EXPECT_EQ(error.serverText(), QStringLiteral("Stok bulunamadı"));
    }
}

TEST(ServerCallResult, GarbageAndWrongShapesAreBadAnswers)
{
    const std::vector<std::string> bodies = {
        "",
        "<html><body>It works</body></html>",
        R"({"result":[1,2,)",
        R"({"result":[1,{"a":)",
        R"({"result":"1"})",
        R"({"answer":[1]})",
        R"([1,2])",
        R"({"result":[1]} trailing)",
        "null",
    };
    for (const auto& body : bodies)
        EXPECT_EQ(KindOf(body), Kind::BadAnswer) << body;
}
