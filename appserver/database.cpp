#include "database.h"

#include "domainrules.h"

#include <sqlite3.h>

namespace appserver {
namespace {

[[noreturn]] void fail(sqlite3* db, const QString& what)
{
    throw DatabaseError((what + ": " + QString::fromUtf8(sqlite3_errmsg(db))).toStdString());
}

void bindOne(sqlite3* db, sqlite3_stmt* st, int index, const QVariant& v)
{
    int rc = SQLITE_OK;
    if (!v.isValid() || v.isNull()) {
        rc = sqlite3_bind_null(st, index);
    } else {
        switch (v.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(st, index, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(st, index, v.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(st, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray s = v.toString().toUtf8();
            rc = sqlite3_bind_text(st, index, s.constData(), int(s.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(db, "bind");
}

QVariant column(sqlite3_stmt* st, int i)
{
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(st, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                          sqlite3_column_bytes(st, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i)));
    default:
        return QVariant();
    }
}

// The client's money rules as SQL functions, so queries compute line amounts
// exactly as the screens do: ROUND2(x), NETAFTER(gross, r1, r2, r3, r4),
// INDYAZI(r1, r2, r3, r4) and FOLD(text).
void round2Fn(sqlite3_context* ctx, int, sqlite3_value** v)
{
    sqlite3_result_double(ctx, Round2(sqlite3_value_double(v[0])));
}

void netAfterFn(sqlite3_context* ctx, int, sqlite3_value** v)
{
    sqlite3_result_double(ctx, ApplyDiscounts(sqlite3_value_double(v[0]), sqlite3_value_double(v[1]),
                                              sqlite3_value_double(v[2]), sqlite3_value_double(v[3]),
                                              sqlite3_value_double(v[4])));
}

void indYaziFn(sqlite3_context* ctx, int, sqlite3_value** v)
{
    const QByteArray text = DiscountText(sqlite3_value_double(v[0]), sqlite3_value_double(v[1]),
                                         sqlite3_value_double(v[2]), sqlite3_value_double(v[3]))
                                .toUtf8();
    sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

void foldFn(sqlite3_context* ctx, int, sqlite3_value** v)
{
    const QString in = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v[0])),
                                         sqlite3_value_bytes(v[0]));
    const QByteArray text = FoldForSearch(in).toUtf8();
    sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

void registerFunctions(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "ROUND2", 1, flags, nullptr, round2Fn, nullptr, nullptr);
    sqlite3_create_function(db, "NETAFTER", 5, flags, nullptr, netAfterFn, nullptr, nullptr);
    sqlite3_create_function(db, "INDYAZI", 4, flags, nullptr, indYaziFn, nullptr, nullptr);
    sqlite3_create_function(db, "FOLD", 1, flags, nullptr, foldFn, nullptr, nullptr);
}

struct StatementGuard {
    sqlite3_stmt* st;
    ~StatementGuard() { sqlite3_finalize(st); }
};

} // namespace

Connection::Connection(const QString& file)
{
    if (sqlite3_open_v2(file.toUtf8().constData(), &FDb,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const QString msg = FDb ? QString::fromUtf8(sqlite3_errmsg(FDb)) : QStringLiteral("out of memory");
        sqlite3_close(FDb);
        throw DatabaseError(("cannot open " + file + ": " + msg).toStdString());
    }
    sqlite3_busy_timeout(FDb, 30000);
    registerFunctions(FDb);
    exec("PRAGMA journal_mode=WAL");
    // FULL makes every commit durable on its own: a kill right after an answer
    // loses nothing the client was told had been saved.
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA foreign_keys=ON");
}

Connection::~Connection()
{
    sqlite3_close(FDb);
}

void Connection::exec(const QString& sql)
{
    char* err = nullptr;
    if (sqlite3_exec(FDb, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "unknown error");
        sqlite3_free(err);
        throw DatabaseError(msg.toStdString());
    }
}

sqlite3_stmt* Connection::prepare(const QString& sql, const QVariantList& params)
{
    sqlite3_stmt* st = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(FDb, text.constData(), int(text.size()), &st, nullptr) != SQLITE_OK)
        fail(FDb, "prepare");
    for (int i = 0; i < params.size(); ++i) {
        try {
            bindOne(FDb, st, i + 1, params[i]);
        } catch (...) {
            sqlite3_finalize(st);
            throw;
        }
    }
    return st;
}

std::vector<QVariantList> Connection::query(const QString& sql, const QVariantList& params)
{
    StatementGuard g{prepare(sql, params)};
    const int n = sqlite3_column_count(g.st);
    FColumns.clear();
    for (int i = 0; i < n; ++i)
        FColumns << QString::fromUtf8(sqlite3_column_name(g.st, i));
    std::vector<QVariantList> rows;
    for (;;) {
        const int rc = sqlite3_step(g.st);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            fail(FDb, "step");
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << column(g.st, i);
        rows.push_back(std::move(row));
    }
    return rows;
}

QVariant Connection::scalar(const QString& sql, const QVariantList& params)
{
    const auto rows = query(sql, params);
    return rows.empty() || rows.front().isEmpty() ? QVariant() : rows.front().front();
}

int Connection::run(const QString& sql, const QVariantList& params)
{
    StatementGuard g{prepare(sql, params)};
    int rc;
    while ((rc = sqlite3_step(g.st)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail(FDb, "step");
    return sqlite3_changes(FDb);
}

qint64 Connection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(FDb);
}

Transaction::Transaction(Connection& c) : FConnection(c)
{
    FConnection.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!FDone) {
        try {
            FConnection.exec("ROLLBACK");
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    FConnection.exec("COMMIT");
    FDone = true;
}

Database::Database(QString file) : FFile(std::move(file)) {}

Database::Lease Database::borrow()
{
    {
        std::lock_guard lock(FMutex);
        if (!FIdle.empty()) {
            auto c = std::move(FIdle.back());
            FIdle.pop_back();
            return Lease(*this, std::move(c));
        }
    }
    return Lease(*this, std::make_unique<Connection>(FFile));
}

void Database::giveBack(std::unique_ptr<Connection> c)
{
    if (!c)
        return;
    std::lock_guard lock(FMutex);
    FIdle.push_back(std::move(c));
}

} // namespace appserver
