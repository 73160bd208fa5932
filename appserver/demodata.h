#pragma once

#include <QString>

namespace appserver {

class Connection;

// Makes sure `file` holds the server's database: a missing file is created
// with the schema and seeded with the demo data set. The seed is written to a
// side file and renamed into place, so an interrupted seed never leaves a
// half-filled database behind.
void PrepareDatabaseFile(const QString& file);

// Fills an empty database with the deterministic demo data set.
void SeedDemoData(Connection& db);

} // namespace appserver
