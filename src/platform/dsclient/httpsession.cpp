#include "platform/dsclient/httpsession.h"

#include "platform/dsclient/servercallerror.h"

#include <curl/curl.h>

#include <mutex>

namespace dsclient {

namespace {

using Kind = ServerCallError::Kind;

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
    std::string body;
    bool tooLarge = false;
    int requestsStarted = 0;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (transfer->body.size() + bytes > HttpSession::kMaxBodySize) {
        transfer->tooLarge = true;
        return 0;  // makes libcurl stop with a write error
    }
    transfer->body.append(data, bytes);
    return bytes;
}

// Called right before a request goes out on a new or reused connection. libcurl
// silently repeats a request whose reused connection died without an answer;
// the server may have acted on it already, so the second start is refused.
int BeforeRequest(void* user, char*, char*, int, int)
{
    auto* transfer = static_cast<Transfer*>(user);
    return ++transfer->requestsStarted == 1 ? CURL_PREREQFUNC_OK : CURL_PREREQFUNC_ABORT;
}

Kind KindOf(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return Kind::ConnectionRefused;
    case CURLE_OPERATION_TIMEDOUT:
        return Kind::Timeout;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return Kind::BadAnswer;
    default:
        return Kind::ConnectionDropped;
    }
}

} // namespace

struct HttpSession::Handles {
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    curl_slist* headers = nullptr;

    ~Handles()
    {
        if (multi && easy)
            curl_multi_remove_handle(multi, easy);
        if (easy)
            curl_easy_cleanup(easy);
        if (multi)
            curl_multi_cleanup(multi);
        curl_slist_free_all(headers);
    }
};

HttpSession::HttpSession() : handles_(std::make_unique<Handles>())
{
    InitCurlOnce();
    handles_->multi = curl_multi_init();
    handles_->easy = curl_easy_init();
    handles_->headers = curl_slist_append(handles_->headers, "Content-Type: application/json");
    handles_->headers = curl_slist_append(handles_->headers, "Accept: application/json");
    // No "Expect: 100-continue" round trip for bigger bodies.
    handles_->headers = curl_slist_append(handles_->headers, "Expect:");
    if (!handles_->multi || !handles_->easy || !handles_->headers)
        throw std::bad_alloc();
}

HttpSession::~HttpSession() = default;

void HttpSession::cancel()
{
    cancelled_ = true;
    curl_multi_wakeup(handles_->multi);
}

HttpSession::Answer HttpSession::post(const std::string& url, const QByteArray& jsonBody,
                                      int connectTimeoutMs, int totalTimeoutMs)
{
    if (cancelled_)
        throw ServerCallError(Kind::Cancelled, QStringLiteral("the session was cancelled"));

    CURL* easy = handles_->easy;
    Transfer transfer;
    char errorText[CURL_ERROR_SIZE] = {};

    curl_easy_reset(easy);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROXY, "");  // never through a proxy from the environment
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_TCP_NODELAY, 1L);
    curl_easy_setopt(easy, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, handles_->headers);
    curl_easy_setopt(easy, CURLOPT_POST, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, jsonBody.constData());
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(jsonBody.size()));
    // Answers come uncompressed: compressing a large table costs the server far
    // more time than sending it (brotli took over a minute for a 37 MB packet),
    // and decoding runs at memory speed.
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, nullptr);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(connectTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(totalTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &WriteBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &BeforeRequest);
    curl_easy_setopt(easy, CURLOPT_PREREQDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);

    curl_multi_add_handle(handles_->multi, easy);
    int running = 1;
    CURLcode result = CURLE_OK;
    bool cancelledNow = false;
    // Bounded by the time-outs set above; a cancel wakes the poll at once.
    while (running) {
        if (curl_multi_perform(handles_->multi, &running) != CURLM_OK) {
            result = CURLE_RECV_ERROR;
            break;
        }
        if (cancelled_) {
            cancelledNow = true;
            break;
        }
        if (running)
            curl_multi_poll(handles_->multi, nullptr, 0, 1000, nullptr);
    }
    int pending = 0;
    while (CURLMsg* message = curl_multi_info_read(handles_->multi, &pending)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy)
            result = message->data.result;
    }
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_multi_remove_handle(handles_->multi, easy);

    if (cancelledNow)
        throw ServerCallError(Kind::Cancelled, QStringLiteral("the transfer was cancelled"));
    if (transfer.tooLarge)
        throw ServerCallError(Kind::BadAnswer, QStringLiteral("the answer is larger than %1 bytes")
                                                   .arg(qulonglong(kMaxBodySize)));
    if (result != CURLE_OK) {
        QString text = QString::fromUtf8(errorText[0] ? errorText : curl_easy_strerror(result));
        if (result == CURLE_ABORTED_BY_CALLBACK && transfer.requestsStarted > 1)
            text = QStringLiteral("the connection closed after the request was sent; "
                                  "the request is not repeated");
        throw ServerCallError(KindOf(result), QStringLiteral("%1 (%2)").arg(text, QString::fromStdString(url)));
    }

    Answer answer;
    answer.status = status;
    answer.bodySize = transfer.body.size();
    answer.paddedBody = std::move(transfer.body);
    answer.paddedBody.append(kBodyPadding, '\0');
    return answer;
}

} // namespace dsclient
