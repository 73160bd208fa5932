#pragma once

namespace appserver {
class Connection;
}

// The deterministic demo data set: the same rows on every run.
namespace appserver::demoseed {

void Seed(Connection& db);

} // namespace appserver::demoseed
