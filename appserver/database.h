#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace appserver {

// A failed SQLite step, carrying SQLite's own message.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One open SQLite connection (WAL journal, foreign keys on, generous busy
// wait) with prepared-statement helpers. Used by one thread at a time.
class Connection {
public:
    explicit Connection(const QString& file);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void exec(const QString& sql);

    // Runs one statement with positional parameters and returns its rows.
    std::vector<QVariantList> query(const QString& sql, const QVariantList& params = {});
    // The first column of the first row, or an invalid QVariant.
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    // Runs one changing statement; returns the number of changed rows.
    int run(const QString& sql, const QVariantList& params = {});

    qint64 lastInsertId() const;

    // Column names of the last query() call.
    const QStringList& lastColumns() const { return FColumns; }

    sqlite3* handle() const { return FDb; }

private:
    sqlite3_stmt* prepare(const QString& sql, const QVariantList& params);

    sqlite3* FDb = nullptr;
    QStringList FColumns;
};

// Commits on commit(), rolls back when left without it (an exception, an early
// return). BEGIN IMMEDIATE takes the write lock up front, so two writers never
// deadlock upgrading from a read.
class Transaction {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    void commit();

private:
    Connection& FConnection;
    bool FDone = false;
};

// Hands connections to request threads; each thread borrows one for a call and
// gives it back afterwards.
class Database {
public:
    explicit Database(QString file);

    class Lease {
    public:
        Lease(Database& owner, std::unique_ptr<Connection> c) : FOwner(owner), FConnection(std::move(c)) {}
        ~Lease() { FOwner.giveBack(std::move(FConnection)); }
        Lease(const Lease&) = delete;
        Connection& operator*() const { return *FConnection; }
        Connection* operator->() const { return FConnection.get(); }

    private:
        Database& FOwner;
        std::unique_ptr<Connection> FConnection;
    };

    Lease borrow();
    const QString& file() const { return FFile; }

private:
    void giveBack(std::unique_ptr<Connection> c);

    QString FFile;
    std::mutex FMutex;
    std::vector<std::unique_ptr<Connection>> FIdle;
};

} // namespace appserver
