#pragma once

namespace httplib {
class Server;
}

namespace appserver {

class ServerState;

// The small web pages the client opens (address echo, item pictures, payment
// page, request form, set-up download), the callback channel and the
// loopback-only notification endpoint.
void InstallWebPages(httplib::Server& http, ServerState& state);

} // namespace appserver
