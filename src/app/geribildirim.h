#pragma once

#include "platform/dsclient/namedcallback.h"

class TForm1;

// The server's notification that the home content changed. Runs on the
// channel's own thread: it only queues the reload for the main window and
// answers true at once. The window owns the channel, so it outlives every
// call of Execute.
class TGeriBildirim : public dsclient::NamedCallback {
public:
    TGeriBildirim(const QString& name, TForm1* form);

    QJsonValue Execute(const QJsonValue& arg) override;

private:
    TForm1* form_;
};
