#pragma once

namespace appserver {

class Connection;

// Creates every table of the server's database (idempotent).
void CreateSchema(Connection& db);

} // namespace appserver
