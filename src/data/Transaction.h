#pragma once

#include <QSqlDatabase>
#include <functional>

// One explicit transaction on a connection: begun on construction, rolled back on
// destruction unless commit() succeeded. Writers begin with the engine's write form
// (BEGIN IMMEDIATE on SQLite) so two workstations never deadlock on lock upgrade.
class Transaction
{
public:
    enum class Kind { Write, Read };

    explicit Transaction(const QSqlDatabase &db, Kind kind = Kind::Write);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();   // throws DbError; the transaction is rolled back when it fails
    void rollback(); // never throws
    bool isActive() const { return m_active; }

private:
    QSqlDatabase m_db;
    bool m_active = false;
};

enum class Retry {
    OnConflict,      // serialization failures, deadlocks, SQLite busy
    OnNumberRace,    // also unique violations: the body computes its number as max + 1
};

// Runs body inside a write transaction and commits. When the engine reports a lost
// race (see Retry) the whole body runs again in a fresh transaction, so a number it
// computes is computed anew. Any other failure rolls back and propagates as DbError.
void RunInTransaction(const QSqlDatabase &db, const std::function<void()> &body,
                      Retry retry = Retry::OnConflict, int attempts = 20);
