#pragma once

#include "Connections.h"
#include "Dialect.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A fresh server database on the engine under test (KB_TEST_ENGINE=sqlite|postgres;
// PostgreSQL is reached through KB_PG_HOST/KB_PG_PORT/KB_PG_USER) and a fresh local
// file, both with the schema installed. Removed again on destruction.
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    static Engine engineUnderTest();
    static QString engineName();

    QSqlDatabase server() const;
    QSqlDatabase local() const;
    const ServerSettings &settings() const { return m_settings; }
    QString dataDir() const { return m_dir.path(); }

    // Another workstation's connection to the same server database.
    QSqlDatabase openServerConnection(const QString &name) const;

    // Runs one statement on the server, failing the test on error.
    void exec(const QString &sql) const;

private:
    QTemporaryDir m_dir;
    ServerSettings m_settings;
    QString m_serverName;
    QString m_localName;
    QString m_pgDatabase;
};
