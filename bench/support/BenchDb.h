#pragma once

#include "Connections.h"
#include "Sql.h"

#include <QString>
#include <stdexcept>

// A fresh, empty PostgreSQL database for a benchmark on the cluster that scripts/bench
// starts (KB_PG_HOST / KB_PG_PORT / KB_PG_USER); returns the settings to open it.
inline ServerSettings FreshPostgresDatabase(const QString &name)
{
    ServerSettings s;
    s.driver = QStringLiteral("QPSQL");
    s.host = qEnvironmentVariable("KB_PG_HOST");
    s.port = qEnvironmentVariable("KB_PG_PORT").toInt();
    s.user = qEnvironmentVariable("KB_PG_USER");
    s.database = QStringLiteral("postgres");
    if (s.host.isEmpty())
        throw std::runtime_error("PostgreSQL: set KB_PG_HOST/KB_PG_PORT/KB_PG_USER (scripts/bench does)");
    {
        QSqlDatabase admin = Connections::openServer(s, QStringLiteral("bench-admin"));
        Sql::runScript(admin, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name));
        Sql::runScript(admin, QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0").arg(name));
    }
    Connections::close(QStringLiteral("bench-admin"));
    s.database = name;
    return s;
}
