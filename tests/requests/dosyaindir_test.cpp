// The update download against the reference server's set-up page and a small
// web server of the test for answers the reference server does not give.
#include "platform/format/formatfloat.h"
#include "platform/os/folders.h"
#include "platform/os/processend.h"
#include "platform/os/shellopen.h"
#include "requests/dosyaindiru.h"
#include "server/deployment.h"
#include "support/recordingserver.h"
#include "support/referenceserver.h"
#include "support/scriptedmessages.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <zlib.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace {

bool waitFor(const std::function<bool()>& condition, int limitMs = 30000)
{
    QDeadlineTimer deadline(limitMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Bytes that do not compress to nothing.
QByteArray setupBytes(int size)
{
    QByteArray b(size, '\0');
    quint32 x = 12345;
    for (char& c : b) {
        x = x * 1103515245u + 12345u;
        c = char(x >> 24);
    }
    return b;
}

QByteArray gzipped(const QByteArray& data)
{
    z_stream z{};
    deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&z, uLong(data.size()))) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(int(z.total_out));
    deflateEnd(&z);
    return out;
}

// The zlib stream that "Content-Encoding: deflate" carries.
QByteArray deflated(const QByteArray& data)
{
    return qCompress(data).mid(4);
}

// A web server of the test on loopback, answering the set-up path by a handler.
class WebServer {
public:
    explicit WebServer(httplib::Server::Handler setup)
    {
        http_.Get("/exe/VelkoraSetup.exe", [this, setup](const httplib::Request& req, httplib::Response& res) {
            {
                std::lock_guard lock(mutex_);
                ++requests_;
                lastHeaders_ = req.headers;
            }
            setup(req, res);
        });
        // Where the set-up used to be: sent on to its present place.
        http_.Get("/old/exe/VelkoraSetup.exe", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/exe/VelkoraSetup.exe");
        });
        // Bound and listening here; connections wait in the backlog until the thread serves them.
        port_ = http_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { http_.listen_after_bind(); });
    }
    ~WebServer()
    {
        http_.stop();
        thread_.join();
    }
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }
    int requests() const
    {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    std::string header(const char* name) const
    {
        std::lock_guard lock(mutex_);
        const auto it = lastHeaders_.find(name);
        return it == lastHeaders_.end() ? std::string("<none>") : it->second;
    }

private:
    httplib::Server http_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    int requests_ = 0;
    httplib::Headers lastHeaders_;
};

// Sends the body in pieces without a length, so the client learns no size.
void answerChunked(httplib::Response& res, QByteArray body, const char* encoding = nullptr)
{
    if (encoding)
        res.set_header("Content-Encoding", encoding);
    res.set_chunked_content_provider("application/octet-stream", [body](size_t offset, httplib::DataSink& sink) {
        if (offset >= size_t(body.size())) {
            sink.done();
            return true;
        }
        const size_t n = std::min<size_t>(16 * 1024, size_t(body.size()) - offset);
        return sink.write(body.constData() + offset, n);
    });
}

class DosyaindirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(base.isValid());
        folders::SetBaseFolder(base.path());
        savedDeployment = Deployment();
        SetCurrentLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
        shellopen::SetHandler([this](const shellopen::ShellRequest& r) {
            started.push_back(r);
            return true;
        });
        processend::SetHandler([this](int code) { exitCodes.push_back(code); });
        target = Tdosyaindir::TargetFile();
        writeFile(target, "eski kurulum");
    }
    void TearDown() override
    {
        processend::SetHandler({});
        shellopen::SetHandler({});
        SetCurrentLocale(QLocale::system());
        Deployment() = savedDeployment;
        folders::SetBaseFolder({});
    }

    // Shows the window and waits until it has ended the process.
    void runToTheEnd(Tdosyaindir& window)
    {
        window.show();
        ASSERT_TRUE(waitFor([&] { return !exitCodes.empty(); }));
        EXPECT_EQ(exitCodes, std::vector<int>{0});
    }

    void expectStartedOnce()
    {
        ASSERT_EQ(started.size(), 1u);
        EXPECT_EQ(started[0].kind, shellopen::ShellRequest::Kind::StartProgram);
        EXPECT_EQ(started[0].target, target);
        EXPECT_EQ(started[0].arguments, QStringList{"/silent"});
        EXPECT_TRUE(QFile::permissions(target) & QFile::ExeOwner);
    }

    QStringList filesInTargetFolder() const { return QFileInfo(target).dir().entryList(QDir::Files); }

    QTemporaryDir base;
    DeploymentValues savedDeployment;
    QString target;
    std::vector<shellopen::ShellRequest> started;
    std::vector<int> exitCodes;
    ScriptedMessages messages;
};

} // namespace

TEST_F(DosyaindirTest, DownloadsFromTheReferenceServerWithProgressAndStartsTheSetUp)
{
    testsupport::ReferenceServer server;
    Deployment().makerWebServer = server.baseUrl();
    Tdosyaindir window(2);
    EXPECT_TRUE(window.sLabel1->text().endsWith("\r\nVersion: 2-1"));
    EXPECT_EQ(window.bilgi->text(), "bilgi");

    runToTheEnd(window);
    const QByteArray bytes = readFile(target);
    EXPECT_EQ(bytes.size(), 64 * 1024);
    EXPECT_TRUE(bytes.startsWith("MZ Velkora set-up program"));
    expectStartedOnce();
    EXPECT_EQ(window.bilgi->text(), "Bilgi: %100,00  İndirilen: 0,06/0,06 Mb");
    EXPECT_EQ(window.ProgressBar1->maximum(), 64 * 1024);
    EXPECT_EQ(window.ProgressBar1->value(), 64 * 1024);
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(filesInTargetFolder(), QStringList{"VelkoraSetup.exe"});
}

TEST_F(DosyaindirTest, VersionZeroReadsZeroDashOne)
{
    Tdosyaindir window(0);
    EXPECT_TRUE(window.sLabel1->text().endsWith("\r\nVersion: 0-1"));
    EXPECT_TRUE(window.sLabel1->text().startsWith("Velkora B2B Programı Programının\r\nYeni versiyonu indirilecektir"));
}

// Answers without a length (chunked), compressed, or after a redirect: the
// file is the decoded body, the progress text keeps its layout text.
TEST_F(DosyaindirTest, DecodesCompressedAndChunkedAnswersWithoutALength)
{
    const QByteArray body = setupBytes(300 * 1024);
    struct Case {
        const char* name;
        const char* folder; // below the maker's server
        std::function<void(httplib::Response&)> answer;
    };
    const Case cases[] = {
        {"gzip", "", [&](httplib::Response& r) { answerChunked(r, gzipped(body), "gzip"); }},
        {"deflate", "", [&](httplib::Response& r) { answerChunked(r, deflated(body), "deflate"); }},
        {"redirect", "old/", [&](httplib::Response& r) { answerChunked(r, body); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        started.clear();
        exitCodes.clear();
        writeFile(target, "eski kurulum");
        WebServer web([&](const httplib::Request&, httplib::Response& res) { c.answer(res); });
        Deployment().makerWebServer = web.baseUrl() + c.folder;
        Tdosyaindir window(7);
        runToTheEnd(window);
        EXPECT_EQ(readFile(target), body);
        expectStartedOnce();
        EXPECT_EQ(window.bilgi->text(), "bilgi");
        EXPECT_EQ(window.ProgressBar1->value(), 0);
        EXPECT_EQ(web.requests(), 1);
        EXPECT_EQ(web.header("Accept-Encoding"), "gzip, deflate");
        EXPECT_EQ(web.header("Accept-Language"), "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
        EXPECT_EQ(web.header("Accept"),
                  "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8");
        EXPECT_EQ(web.header("User-Agent").rfind("Mozilla/5.0 (Windows NT 10.0; Win64; x64)", 0), 0u);
    }
    EXPECT_EQ(messages.count(), 0);
}

// A failed download shows the error and ends; the old file stays and nothing
// is started, an error page included.
TEST_F(DosyaindirTest, AFailureShowsTheErrorEndsAndKeepsTheOldFile)
{
    struct Case {
        const char* name;
        int status; // 0: nobody listens
        const char* expectedInMessage;
    };
    const Case cases[] = {{"not found", 404, "404"}, {"server error", 500, "500"}, {"refused", 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        exitCodes.clear();
        messages.clear();
        std::unique_ptr<WebServer> web;
        if (c.status) {
            web = std::make_unique<WebServer>([&](const httplib::Request&, httplib::Response& res) {
                res.status = c.status;
                res.set_content("<html><body>Sayfa yok</body></html>", "text/html");
            });
            Deployment().makerWebServer = web->baseUrl();
        } else {
            Deployment().makerWebServer = QStringLiteral("http://127.0.0.1:%1/").arg(testsupport::UnusedPort());
        }
        Tdosyaindir window(3);
        runToTheEnd(window);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_TRUE(messages.last().text.startsWith("Hata Oluştu !\r\nHata: ")) << messages.last().text.toStdString();
        EXPECT_GT(messages.last().text.size(), QString("Hata Oluştu !\r\nHata: ").size());
        EXPECT_TRUE(messages.last().text.contains(c.expectedInMessage));
        EXPECT_EQ(messages.last().type, MsgDlgType::Error);
        EXPECT_EQ(messages.last().buttons, MsgDlgButtons(mbOK));
        EXPECT_TRUE(started.empty());
        EXPECT_EQ(readFile(target), "eski kurulum");
        EXPECT_EQ(filesInTargetFolder(), QStringList{"VelkoraSetup.exe"});
    }
}

// While the set-up comes in, activations start nothing more, the window
// cannot be closed and stays responsive.
TEST_F(DosyaindirTest, ASecondActivationStartsNoSecondDownload)
{
    const QByteArray body = setupBytes(200 * 1024);
    std::mutex m;
    std::condition_variable cv;
    bool released = false;
    WebServer web([&](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(size_t(body.size()), "application/octet-stream",
                                 [&](size_t offset, size_t, httplib::DataSink& sink) {
                                     if (offset > 0) {
                                         std::unique_lock lock(m);
                                         cv.wait_for(lock, std::chrono::seconds(30), [&] { return released; });
                                     }
                                     const size_t n = std::min<size_t>(32 * 1024, size_t(body.size()) - offset);
                                     return sink.write(body.constData() + offset, n);
                                 });
    });
    Deployment().makerWebServer = web.baseUrl();
    Tdosyaindir window(5);
    window.show();
    // The first block has arrived and its progress is shown while the rest is held back.
    ASSERT_TRUE(waitFor([&] { return window.bilgi->text() == "Bilgi: %16,00  İndirilen: 0,03/0,20 Mb"; }))
        << window.bilgi->text().toStdString();
    EXPECT_TRUE(window.basladi());

    window.FormActivate();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
    window.close();
    EXPECT_TRUE(window.isVisible());

    {
        std::lock_guard lock(m);
        released = true;
    }
    cv.notify_all();
    ASSERT_TRUE(waitFor([&] { return !exitCodes.empty(); }));
    EXPECT_EQ(web.requests(), 1);
    expectStartedOnce();
    EXPECT_EQ(readFile(target), body);
    EXPECT_EQ(window.ProgressBar1->value(), body.size());
}
