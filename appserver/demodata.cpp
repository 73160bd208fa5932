#include "demodata.h"

#include "database.h"
#include "demoseed.h"
#include "schema.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace appserver {

void PrepareDatabaseFile(const QString& file)
{
    if (QFileInfo::exists(file)) {
        Connection db(file);
        CreateSchema(db);
        return;
    }
    const QString side = file + ".seed";
    QFile::remove(side);
    QFile::remove(side + "-wal");
    QFile::remove(side + "-shm");
    {
        Connection db(side);
        CreateSchema(db);
        Transaction t(db);
        SeedDemoData(db);
        t.commit();
        db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
        db.exec("PRAGMA journal_mode=DELETE");
    }
    if (!QFile::rename(side, file))
        throw std::runtime_error(("cannot create " + file).toStdString());
}

void SeedDemoData(Connection& db)
{
    demoseed::Seed(db);
}

} // namespace appserver
