#pragma once

// A reference server with a fresh copy of the demo database, serving on a free
// loopback port in this process, and a small client for its methods.

#include "appserver.h"
#include "demodata.h"

#include "platform/dataset/datatable.h"
#include "platform/dsclient/tablecodec.h"
#include "server/baglantiu.h"

#include <httplib.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace testkit {

// The demo database is seeded once per test run and copied for each server.
inline QString SeededTemplate()
{
    static QTemporaryDir dir;
    static const QString file = [] {
        const QString f = dir.path() + "/template.db";
        appserver::PrepareDatabaseFile(f);
        return f;
    }();
    return file;
}

class RunningServer {
public:
    RunningServer()
    {
        file_ = dir_.path() + "/demo.db";
        QFile::copy(SeededTemplate(), file_);
        server_ = std::make_unique<appserver::AppServer>(file_);
        server_->setLogging(false);
        port_ = server_->bind("127.0.0.1", 0);
        thread_ = std::thread([this] { server_->serve(); });
    }
    ~RunningServer()
    {
        server_->stop();
        thread_.join();
    }

    int port() const { return port_; }
    const QString& file() const { return file_; }
    appserver::AppServer& server() { return *server_; }

private:
    QTemporaryDir dir_;
    QString file_;
    std::unique_ptr<appserver::AppServer> server_;
    int port_ = -1;
    std::thread thread_;
};

// Calls server methods over one keep-alive connection.
class Caller {
public:
    explicit Caller(int port) : http_("127.0.0.1", port)
    {
        http_.set_keep_alive(true);
        http_.set_connection_timeout(10);
        http_.set_read_timeout(60);
    }

    // The raw answer body of a call with the given body text.
    std::string raw(const std::string& method, const std::string& body)
    {
        auto res = http_.Post(("/datasnap/rest/TServerMethods1/" + method).c_str(), body, "application/json");
        return res ? res->body : std::string("<no answer>");
    }

    QJsonObject answer(const std::string& method, const QJsonArray& params)
    {
        const QByteArray body = QJsonDocument(QJsonObject{{"_parameters", params}}).toJson(QJsonDocument::Compact);
        return QJsonDocument::fromJson(QByteArray::fromStdString(raw(method, body.toStdString()))).object();
    }

    // The "result" array; a test fails when the server answered an error.
    QJsonArray result(const std::string& method, const QJsonArray& params)
    {
        const QJsonObject a = answer(method, params);
        EXPECT_FALSE(a.contains("error")) << method << ": " << a.value("error").toString().toStdString();
        return a.value("result").toArray();
    }

    // The table the method returns as its result (last element).
    DataTable table(const std::string& method, const QJsonArray& params)
    {
        const QJsonArray r = result(method, params);
        const QByteArray text = QJsonDocument(r.last().toObject()).toJson(QJsonDocument::Compact);
        return dsclient::decodeTable(std::string_view(text.constData(), size_t(text.size())));
    }

private:
    httplib::Client http_;
};

inline QJsonObject LoginOf(int carino, int sirano = 1, int musteriTipi = 0, int saticiNo = 0)
{
    TSonucBilgisi b;
    b.setCARINO(carino);
    b.setSirano(sirano);
    b.setMusteriTipi(musteriTipi);
    b.setSaticiNo(saticiNo);
    return b.toJson();
}

inline QVariant Cell(const DataTable& t, const char* field, int row)
{
    const int c = t.indexOf(field);
    EXPECT_GE(c, 0) << "missing field " << field;
    return c < 0 ? QVariant() : t.column(c).value(row);
}

} // namespace testkit
