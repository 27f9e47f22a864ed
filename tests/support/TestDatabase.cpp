#include "TestDatabase.h"

#include "DbError.h"
#include "Passwords.h"
#include "SchemaInstaller.h"
#include "Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QUuid>
#include <stdexcept>

namespace {

int g_counter = 0;

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

ServerSettings pgAdminSettings()
{
    ServerSettings s;
    s.driver = QStringLiteral("QPSQL");
    s.host = env("KB_PG_HOST");
    s.port = env("KB_PG_PORT").toInt();
    s.user = env("KB_PG_USER");
    s.database = QStringLiteral("postgres");
    if (s.host.isEmpty() || s.port == 0)
        throw std::runtime_error("KB_TEST_ENGINE=postgres needs KB_PG_HOST and KB_PG_PORT (scripts/test sets them)");
    return s;
}

} // namespace

Engine TestDatabase::engineUnderTest()
{
    const QString e = env("KB_TEST_ENGINE").toLower();
    if (e.isEmpty() || e == QLatin1String("sqlite"))
        return Engine::SQLite;
    if (e == QLatin1String("postgres"))
        return Engine::PostgreSQL;
    throw std::runtime_error("KB_TEST_ENGINE must be sqlite or postgres");
}

QString TestDatabase::engineName()
{
    return engineUnderTest() == Engine::SQLite ? QStringLiteral("sqlite") : QStringLiteral("postgres");
}

TestDatabase::TestDatabase()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    // Tests create many staff rows; the hashes need not be expensive to be real.
    Passwords::setCost(Passwords::Cost::Minimal);
    DataFolder::setPath(m_dir.path());
    const int n = ++g_counter;
    m_serverName = QStringLiteral("test-server-%1").arg(n);
    m_localName = QStringLiteral("test-local-%1").arg(n);

    if (engineUnderTest() == Engine::PostgreSQL) {
        m_settings = pgAdminSettings();
        m_pgDatabase = QStringLiteral("kbt_%1_%2_%3")
                           .arg(QCoreApplication::applicationPid())
                           .arg(n)
                           .arg(QUuid::createUuid().toString(QUuid::Id128).left(8));
        {
            QSqlDatabase admin = Connections::openServer(m_settings, QStringLiteral("test-admin"));
            Sql::runScript(admin, QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0").arg(m_pgDatabase));
        }
        Connections::close(QStringLiteral("test-admin"));
        m_settings.database = m_pgDatabase;
    } else {
        m_settings.driver = QStringLiteral("QSQLITE");
        m_settings.database = m_dir.filePath(QStringLiteral("server.db"));
    }
    SchemaInstaller::install(Connections::openServer(m_settings, m_serverName), SchemaInstaller::Target::Server);
    SchemaInstaller::install(Connections::openLocal(m_dir.filePath(QStringLiteral("local.db")), m_localName),
                             SchemaInstaller::Target::Local);
}

TestDatabase::~TestDatabase()
{
    const QStringList names = QSqlDatabase::connectionNames();
    for (const QString &name : names)
        if (name.startsWith(QLatin1String("test-")))
            Connections::close(name);
    if (!m_pgDatabase.isEmpty()) {
        try {
            ServerSettings admin = m_settings;
            admin.database = QStringLiteral("postgres");
            QSqlDatabase db = Connections::openServer(admin, QStringLiteral("test-admin"));
            QSqlQuery q(db);
            q.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_pgDatabase));
        } catch (...) {
        }
        Connections::close(QStringLiteral("test-admin"));
    }
}

QSqlDatabase TestDatabase::server() const
{
    return QSqlDatabase::database(m_serverName, false);
}

QSqlDatabase TestDatabase::local() const
{
    return QSqlDatabase::database(m_localName, false);
}

QSqlDatabase TestDatabase::openServerConnection(const QString &name) const
{
    return Connections::openServer(m_settings, QStringLiteral("test-") + name);
}

void TestDatabase::exec(const QString &sql) const
{
    Sql::run(server(), sql);
}
