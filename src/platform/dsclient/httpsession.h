#pragma once

#include <QByteArray>

#include <atomic>
#include <memory>
#include <string>

namespace dsclient {

// One keep-alive HTTP session (one libcurl handle and its connection cache),
// used by one thread at a time. A request that has been put on the wire is
// never sent again: when a kept-alive connection turns out dead after the
// request went out, the post fails instead of being repeated on a fresh one.
class HttpSession {
public:
    struct Answer {
        long status = 0;
        // The body, followed by zeroed padding bytes so that fast JSON parsers
        // may read past its end. bodySize() bytes are the answer.
        std::string paddedBody;
        std::size_t bodySize = 0;
    };

    // Bytes of zeroed padding kept after every answer body.
    static constexpr std::size_t kBodyPadding = 64;
    // An answer bigger than this is refused as bad rather than filling memory.
    static constexpr std::size_t kMaxBodySize = std::size_t(1) << 30;

    HttpSession();
    ~HttpSession();
    HttpSession(const HttpSession&) = delete;
    HttpSession& operator=(const HttpSession&) = delete;

    // POSTs a JSON body and waits for the whole answer. Throws ServerCallError
    // for transport failures (refused, dropped, time-out, cancelled, garbage).
    Answer post(const std::string& url, const QByteArray& jsonBody, int connectTimeoutMs,
                int totalTimeoutMs);

    // Callable from any thread: the running post (and every later one) ends at
    // once with Kind::Cancelled.
    void cancel();

private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
    std::atomic<bool> cancelled_{false};
};

} // namespace dsclient
