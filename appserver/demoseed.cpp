#include "demoseed.h"

#include "database.h"

namespace appserver::demoseed {

void Seed(Connection& db)
{
    db.run("INSERT INTO ayar (ANAHTAR, DEGER) VALUES ('Version', '1')");
}

} // namespace appserver::demoseed
