#pragma once

#include "database.h"

#include <QString>

#include <memory>

namespace appserver {

class CallbackHub;

// What every call shares: the database and the callback channel's clients.
class ServerState {
public:
    explicit ServerState(const QString& dbFile);
    ~ServerState();

    Database& database() { return FDatabase; }
    CallbackHub& callbacks() { return *FCallbacks; }

private:
    Database FDatabase;
    std::unique_ptr<CallbackHub> FCallbacks;
};

} // namespace appserver
