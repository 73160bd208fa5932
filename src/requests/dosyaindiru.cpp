#include "requests/dosyaindiru.h"

#include "platform/format/formatfloat.h"
#include "platform/os/folders.h"
#include "platform/os/processend.h"
#include "platform/os/shellopen.h"
#include "platform/widgets/messagedialog.h"
#include "server/deployment.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

#include <curl/curl.h>

#include <limits>
#include <mutex>

namespace {

constexpr const char* kSetupFileName = "VelkoraSetup.exe";
constexpr const char* kAccept =
    "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8";
constexpr const char* kAcceptLanguage = "Accept-Language: en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4";
constexpr const char* kAcceptEncoding = "gzip, deflate";
constexpr const char* kUserAgent = "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                                   "Chrome/60.0.3112.32 Safari/537.36";
constexpr const char* kErrorPrefix = "Hata Oluştu !\r\nHata: ";

QString twoDecimals(double value)
{
    QLocale locale = CurrentLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

} // namespace

// What the download thread shares with the window: the latest progress and
// the request to stop when the window goes.
struct Tdosyaindir::Transfer {
    std::atomic<bool> abort{false};
    std::atomic<qint64> contentLength{0};
    std::atomic<qint64> readCount{0};
    // Set while a progress report is queued, so a fast transfer does not flood the window.
    std::atomic<bool> progressQueued{false};
};

Tdosyaindir::Tdosyaindir(int _y, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      transfer_(std::make_shared<Transfer>())
{
    setObjectName("Tdosyaindir");
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setFixedSize(543, 309);

    sLabel1 = new QLabel(this);
    sLabel1->setObjectName("sLabel1");
    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    QFont big(QStringLiteral("Tahoma"));
    big.setPixelSize(27);
    sLabel1->setFont(big);
    sLabel1->setStyleSheet(QStringLiteral("color: rgb(67, 76, 88);"));
    sLabel1->setText(QStringLiteral("Velkora B2B Programı Programının\r\nYeni versiyonu indirilecektir\r\n"
                                    "Lütfen Bekleyiniz...!\r\nVersion: %1-%2")
                         .arg(_y)
                         .arg(kProgramVersion));

    bilgi = new QLabel(QStringLiteral("bilgi"), this);
    bilgi->setObjectName("bilgi");
    QFont bold(QStringLiteral("Tahoma"));
    bold.setPixelSize(13);
    bold.setBold(true);
    bilgi->setFont(bold);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setFixedHeight(33);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    auto* strip = new QWidget(this);
    strip->setFixedHeight(58);
    auto* stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(4, 0, 4, 2);
    stripLayout->setSpacing(2);
    stripLayout->addWidget(bilgi);
    stripLayout->addWidget(ProgressBar1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sLabel1, 1);
    layout->addWidget(strip);

    url_ = Deployment().setupDownloadUrl();
}

Tdosyaindir::~Tdosyaindir()
{
    if (worker_.joinable()) {
        transfer_->abort = true;
        worker_.join();
    }
}

QString Tdosyaindir::TargetFile()
{
    return QDir(folders::LocalDataFolder()).filePath(QString::fromLatin1(kSetupFileName));
}

bool Tdosyaindir::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        FormActivate();
        break;
    case QEvent::Show:
        // A window the desktop never activates still downloads once shown.
        QTimer::singleShot(0, this, &Tdosyaindir::FormActivate);
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void Tdosyaindir::closeEvent(QCloseEvent* event)
{
    // There is no way back into this version while the new one is coming.
    if (running_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void Tdosyaindir::reject()
{
    if (!running_)
        QDialog::reject();
}

void Tdosyaindir::FormActivate()
{
    if (basladi_)
        return;
    basladi_ = true;
    running_ = true;
    worker_ = std::thread([this, target = TargetFile()] { download(target); });
}

// Runs on the download thread: fetches the set-up program into a temporary
// file beside the target and puts it in the target's place once complete,
// so an old file stays untouched when the download fails.
void Tdosyaindir::download(QString target)
{
    static std::once_flag curlReady;
    std::call_once(curlReady, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        const QString error = file.errorString();
        QMetaObject::invokeMethod(this, [this, target, error] { saveFailed(target + ": " + error); },
                                  Qt::QueuedConnection);
        return;
    }

    struct Sink {
        QSaveFile* file;
        bool failed = false;
    } sink{&file};
    const auto write = +[](char* data, size_t size, size_t count, void* user) -> size_t {
        auto* s = static_cast<Sink*>(user);
        const qint64 n = qint64(size * count);
        if (s->file->write(data, n) != n) {
            s->failed = true;
            return 0;
        }
        return size * count;
    };
    const auto progress = +[](void* user, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) -> int {
        auto* self = static_cast<Tdosyaindir*>(user);
        if (self->transfer_->abort)
            return 1;
        if (now != self->transfer_->readCount || total != self->transfer_->contentLength) {
            self->transfer_->contentLength = total;
            self->transfer_->readCount = now;
            self->postProgress();
        }
        return 0;
    };

    CURL* curl = curl_easy_init();
    char errorText[CURL_ERROR_SIZE] = {};
    curl_slist* headers = curl_slist_append(nullptr, kAccept);
    headers = curl_slist_append(headers, kAcceptLanguage);
    const QByteArray url = url_.toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 20L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(kConnectTimeoutMs));
    // The response time-out counts silence, not the whole transfer: a large
    // file on a slow line keeps going while bytes arrive.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(kResponseTimeoutMs / 1000));
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, kAcceptEncoding);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kUserAgent);
    // An error page must never be saved and started as the set-up program.
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, write);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);

    const CURLcode rc = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);

    if (transfer_->abort)
        return;
    if (sink.failed) {
        const QString error = target + ": " + file.errorString();
        QMetaObject::invokeMethod(this, [this, error] { saveFailed(error); }, Qt::QueuedConnection);
        return;
    }
    QString httpError;
    if (rc != CURLE_OK)
        httpError = QString::fromUtf8(errorText[0] ? errorText : curl_easy_strerror(rc));
    else if (status < 200 || status > 299)
        httpError = QStringLiteral("The requested URL returned error: %1").arg(status);
    if (!httpError.isEmpty()) {
        QMetaObject::invokeMethod(this, [this, httpError] { NetHTTPClient1RequestError(httpError); },
                                  Qt::QueuedConnection);
        return;
    }
    if (!file.commit()) {
        const QString error = target + ": " + file.errorString();
        QMetaObject::invokeMethod(this, [this, error] { saveFailed(error); }, Qt::QueuedConnection);
        return;
    }
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup |
                                      QFile::ExeOther);
    QMetaObject::invokeMethod(this, [this, target] { downloadFinished(target); }, Qt::QueuedConnection);
}

// Download thread: one queued report at a time; the window reads the latest values.
void Tdosyaindir::postProgress()
{
    if (transfer_->progressQueued.exchange(true))
        return;
    QMetaObject::invokeMethod(this, [this] { showLatestProgress(); }, Qt::QueuedConnection);
}

void Tdosyaindir::showLatestProgress()
{
    transfer_->progressQueued = false;
    NetHTTPClient1ReceiveData(transfer_->contentLength, transfer_->readCount);
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 contentLength, qint64 readCount)
{
    if (contentLength <= 0)
        return;
    const double percent = double(readCount) / double(contentLength) * 100;
    constexpr double mb = 1024.0 * 1024.0;
    bilgi->setText(QStringLiteral("Bilgi: %") +
                   QStringLiteral("%1  İndirilen: %2/%3")
                       .arg(twoDecimals(percent), twoDecimals(readCount / mb), twoDecimals(contentLength / mb)) +
                   QStringLiteral(" Mb"));
    // The bar counts in units that fit its int range.
    const qint64 unit = contentLength / std::numeric_limits<int>::max() + 1;
    ProgressBar1->setRange(0, int(contentLength / unit));
    ProgressBar1->setValue(int(qMin(readCount, contentLength) / unit));
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString& error)
{
    worker_.join();
    running_ = false;
    ShowMessageDialog(QString::fromUtf8(kErrorPrefix) + error, MsgDlgType::Error, mbOK, mbOK);
    processend::EndProcessNow(0);
}

void Tdosyaindir::saveFailed(const QString& error)
{
    worker_.join();
    running_ = false;
    // The window stays open; closing it returns to the login.
    ShowMessageDialog(QString::fromUtf8(kErrorPrefix) + error, MsgDlgType::Error, mbOK, mbOK);
}

void Tdosyaindir::downloadFinished(const QString& target)
{
    worker_.join();
    running_ = false;
    showLatestProgress();
    if (!shellopen::StartProgram(target, {QStringLiteral("/silent")}))
        ShowMessageDialog(QString::fromUtf8(kErrorPrefix) + target + QStringLiteral(" başlatılamadı."),
                          MsgDlgType::Error, mbOK, mbOK);
    processend::EndProcessNow(0);
}
