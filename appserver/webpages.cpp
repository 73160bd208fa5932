#include "webpages.h"

#include "serverstate.h"

#include <httplib.h>

namespace appserver {

void InstallWebPages(httplib::Server& http, ServerState& state)
{
    http.Get("/ip.php", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(req.remote_addr, "text/plain");
    });
}

} // namespace appserver
