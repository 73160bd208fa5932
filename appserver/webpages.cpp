#include "webpages.h"

#include "callbackhub.h"
#include "database.h"
#include "serverstate.h"

#include <httplib.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace appserver {
namespace {

// A poll is held this long before a keep-alive answer (the client waits longer).
constexpr std::chrono::seconds kKeepAlive(30);

bool fromLoopback(const httplib::Request& req)
{
    return req.remote_addr == "127.0.0.1" || req.remote_addr == "::1" || req.remote_addr == "::ffff:127.0.0.1";
}

QString escapedHtml(const std::string& s)
{
    return QString::fromStdString(s).toHtmlEscaped();
}

// A page listing the query it was opened with.
std::string queryPage(const QString& title, const httplib::Request& req)
{
    QString rows;
    for (const auto& [key, value] : req.params)
        rows += "<tr><th>" + escapedHtml(key) + "</th><td>" + escapedHtml(value) + "</td></tr>\n";
    return ("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body><h1>" +
            title + "</h1><table id=\"query\">\n" + rows + "</table></body></html>\n")
        .toStdString();
}

void answerJson(httplib::Response& res, const QJsonObject& o)
{
    res.set_content(QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString(), "application/json; charset=utf-8");
}

// The set-up program the update download fetches: fixed bytes made here.
std::string setupProgram()
{
    std::string bytes = "MZ Velkora set-up program (demo)\n";
    bytes.resize(64 * 1024);
    for (size_t i = 40; i < bytes.size(); ++i)
        bytes[i] = char((i * 131) & 0xff);
    return bytes;
}

} // namespace

void InstallWebPages(httplib::Server& http, ServerState& state)
{
    http.Get("/ip.php", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(req.remote_addr, "text/plain");
    });
    http.Get("/resimgoster.ashx", [&state](const httplib::Request& req, httplib::Response& res) {
        auto lease = state.database().borrow();
        const QByteArray jpeg =
            lease->scalar("SELECT RESIM FROM stok WHERE STOKNO = ?", {QString::fromStdString(req.get_param_value("id")).toInt()})
                .toByteArray();
        if (jpeg.isEmpty()) {
            res.status = 404;
            res.set_content("", "text/plain");
            return;
        }
        res.set_content(jpeg.toStdString(), "image/jpeg");
    });
    http.Get("/dervano.html", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(queryPage("Sanal POS Ödeme", req), "text/html; charset=utf-8");
    });
    http.Get("/formmailgonder.aspx", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(queryPage("İstek Formu", req), "text/html; charset=utf-8");
    });
    http.Get("/exe/VelkoraSetup.exe", [](const httplib::Request&, httplib::Response& res) {
        static const std::string program = setupProgram();
        res.set_content(program, "application/octet-stream");
    });

    // Callback channel: .../ConsumeClientChannel/<channel>/<manager id>/<callback id>/<channel names>/<token>.
    // The first poll names the callback; each client's token tells clients
    // sharing one manager id apart. Every poll is held until a message comes
    // or the keep-alive interval passes.
    http.Post(R"(/datasnap/rest/DSAdmin/ConsumeClientChannel/([^/]*)/([^/]*)/([^/]*)/([^/]*)/?([^/]*)/?)",
              [&state](const httplib::Request& req, httplib::Response& res) {
                  const auto seg = [&](int i) { return QUrl::fromPercentEncoding(QByteArray::fromStdString(req.matches[i])); };
                  CallbackHub::ClientKey key{seg(2), seg(5), QString()};
                  if (key.token.isEmpty()) // no token: the polling connection tells the client
                      key.peer = QString::fromStdString(req.remote_addr) + ':' + QString::number(req.remote_port);
                  const auto message = state.callbacks().poll(key, kKeepAlive);
                  answerJson(res, QJsonObject{{"result", QJsonArray{message ? *message : QJsonValue(QJsonValue::Null)}}});
              });

    // Broadcast for `velkora-appserver notify`; loopback callers only.
    http.Post("/velkora/notify", [&state](const httplib::Request& req, httplib::Response& res) {
        if (!fromLoopback(req)) {
            res.status = 403;
            answerJson(res, QJsonObject{{"error", "notifications are accepted from this machine only"}});
            return;
        }
        const QString text = QJsonDocument::fromJson(QByteArray::fromStdString(req.body)).object().value("text").toString();
        const int n = state.callbacks().broadcast(QJsonObject{{"broadcast", QJsonArray{text, "Morvilo"}}});
        answerJson(res, QJsonObject{{"clients", n}});
    });
}

} // namespace appserver
