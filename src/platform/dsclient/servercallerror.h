#pragma once

#include <QString>

#include <stdexcept>

namespace dsclient {

// Every failure of a server call or of opening a connection. The text is a
// technical one for logs and support; screens show their own Turkish messages.
class ServerCallError : public std::runtime_error {
public:
    enum class Kind {
        ServerError,        // the server answered {"error": text}
        ConnectionRefused,  // nobody accepted the connection (or the host is unknown)
        ConnectionDropped,  // the connection broke before the whole answer came
        Timeout,            // connect or response time-out ran out
        BadAnswer,          // the answer is not JSON or not of the expected shape
        Cancelled,          // the transfer was stopped from another thread
    };

    ServerCallError(Kind kind, const QString& text, const QString& serverText = {});

    Kind kind() const { return kind_; }
    // The server's own text for Kind::ServerError, empty otherwise.
    const QString& serverText() const { return serverText_; }

    static const char* kindName(Kind kind);

private:
    Kind kind_;
    QString serverText_;
};

} // namespace dsclient
