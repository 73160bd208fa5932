#include "login/externalip.h"

#include "server/deployment.h"

#include <curl/curl.h>

#include <QElapsedTimer>
#include <QThread>

#include <memory>

namespace {

struct Transfer {
    const std::atomic_bool* cancelled = nullptr;
    QByteArray body;
    QElapsedTimer sinceData; // started once connected, restarted on every arrival
    curl_off_t received = 0;
    bool readTimedOut = false;
};

size_t CollectBody(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    transfer->body.append(data, qsizetype(size * count));
    return size * count;
}

// libcurl has no time-out between two reads; the progress callback (called at
// least once a second) measures it after the connection stands.
int WatchProgress(void* user, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t)
{
    auto* transfer = static_cast<Transfer*>(user);
    if (transfer->cancelled->load())
        return 1;
    if (!transfer->sinceData.isValid())
        return 0; // still connecting: the connect time-out applies
    if (downloaded != transfer->received) {
        transfer->received = downloaded;
        transfer->sinceData.restart();
        return 0;
    }
    if (transfer->sinceData.elapsed() > kExternalIpReadTimeoutMs) {
        transfer->readTimedOut = true;
        return 1;
    }
    return 0;
}

// Called by libcurl once the connection is up (before the request is sent).
int ConnectionReady(void* user, char*, char*, int, int)
{
    static_cast<Transfer*>(user)->sinceData.start();
    return CURL_PREREQFUNC_OK;
}

} // namespace

std::optional<QString> RequestExternalIpOnce(const QString& url, const std::atomic_bool& cancelled)
{
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        return std::nullopt;
    Transfer transfer;
    transfer.cancelled = &cancelled;
    const QByteArray address = url.toUtf8();
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, address.constData());
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, long(kExternalIpConnectTimeoutMs));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &CollectBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_PREREQFUNCTION, &ConnectionReady);
    curl_easy_setopt(handle, CURLOPT_PREREQDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &WatchProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L); // an error page is no address
    if (curl_easy_perform(handle) != CURLE_OK)
        return std::nullopt;
    return QString::fromUtf8(transfer.body);
}

QString GetExternalIp(const std::atomic_bool& cancelled)
{
    const QString url = Deployment().addressEchoUrl();
    while (!cancelled.load()) {
        if (const std::optional<QString> body = RequestExternalIpOnce(url, cancelled))
            return body->trimmed();
        // Pause in short steps so a cancel is noticed at once.
        QElapsedTimer paused;
        paused.start();
        while (!cancelled.load() && paused.elapsed() < kExternalIpRetryPauseMs)
            QThread::msleep(20);
    }
    return {};
}
