#pragma once

#include <QJsonValue>
#include <QString>

namespace dsclient {

// A callback the server can call through a callback channel, known by its name.
// Execute runs on the channel's own thread: it must not touch widgets (hand
// work to the main thread with a queued invocation instead).
class NamedCallback {
public:
    explicit NamedCallback(QString name) : name_(std::move(name)) {}
    virtual ~NamedCallback() = default;

    const QString& name() const { return name_; }

    // Called for every message on the channel; the answer goes back to the server.
    virtual QJsonValue Execute(const QJsonValue& arg) = 0;

private:
    QString name_;
};

} // namespace dsclient
