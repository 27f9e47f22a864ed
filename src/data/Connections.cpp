#include "Connections.h"

#include "DbError.h"
#include "SqliteFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>

namespace DataFolder {

static QString g_path;

QString path()
{
    if (g_path.isEmpty()) {
        g_path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (g_path.isEmpty())
            g_path = QDir::homePath() + QStringLiteral("/.kilnbook");
    }
    return g_path;
}

void setPath(const QString &dir)
{
    g_path = QDir(dir).absolutePath();
}

QString iniFile() { return path() + QStringLiteral("/kilnbook.ini"); }
QString embeddedServerFile() { return path() + QStringLiteral("/kilnbook.db"); }
QString localFile() { return path() + QStringLiteral("/local.db"); }

} // namespace DataFolder

ServerSettings ServerSettings::load(const QString &iniFile)
{
    ServerSettings s;
    QSettings ini(iniFile, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Server"));
    s.driver = ini.value(QStringLiteral("Driver"), s.driver).toString().trimmed().toUpper();
    s.database = ini.value(QStringLiteral("Database")).toString();
    s.host = ini.value(QStringLiteral("Host"), s.host).toString();
    s.port = ini.value(QStringLiteral("Port"), s.port).toInt();
    s.user = ini.value(QStringLiteral("User")).toString();
    s.passwordFile = ini.value(QStringLiteral("PasswordFile")).toString();
    return s;
}

void ServerSettings::save(const QString &iniFile) const
{
    QSettings ini(iniFile, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Server"));
    ini.setValue(QStringLiteral("Driver"), driver);
    ini.setValue(QStringLiteral("Database"), database);
    ini.setValue(QStringLiteral("Host"), host);
    ini.setValue(QStringLiteral("Port"), port);
    ini.setValue(QStringLiteral("User"), user);
    ini.setValue(QStringLiteral("PasswordFile"), passwordFile);
    ini.endGroup();
    ini.sync();
}

namespace Connections {

namespace {

QSqlDatabase addDatabase(const QString &driver, const QString &name)
{
    if (QSqlDatabase::contains(name))
        QSqlDatabase::removeDatabase(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, name);
    if (!db.isValid())
        throw DbError(QStringLiteral("数据库驱动 %1 不可用").arg(driver));
    return db;
}

void pragma(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw DbError::fromSql(q.lastError(), sql);
}

QString readPasswordFile(const QString &file)
{
    if (file.isEmpty())
        return {};
    const QString path = QFileInfo(file).isAbsolute() ? file : DataFolder::path() + u'/' + file;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("无法读取密码文件 %1：%2").arg(path, f.errorString()));
    return QString::fromUtf8(f.readAll()).trimmed();
}

} // namespace

QSqlDatabase openSqlite(const QString &file, const QString &connectionName, bool asServer)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSqlDatabase db = addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(file);
    // Waits for another workstation's write instead of failing with "database is locked".
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    if (!db.open())
        throw DbError::fromSql(db.lastError());
    pragma(db, QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma(db, QStringLiteral("PRAGMA synchronous=FULL"));
    if (asServer)
        RegisterSqliteFunctions(db);
    return db;
}

QSqlDatabase openServer(const ServerSettings &s, const QString &connectionName)
{
    if (!s.isPostgres()) {
        QString file = s.database.isEmpty() ? DataFolder::embeddedServerFile() : s.database;
        if (QFileInfo(file).isRelative())
            file = DataFolder::path() + u'/' + file;
        return openSqlite(file, connectionName, true);
    }
    QSqlDatabase db = addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(s.host);
    db.setPort(s.port);
    db.setDatabaseName(s.database);
    db.setUserName(s.user);
    db.setPassword(readPasswordFile(s.passwordFile));
    db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    if (!db.open())
        throw DbError::fromSql(db.lastError());
    pragma(db, QStringLiteral("SET client_min_messages TO WARNING"));
    return db;
}

QSqlDatabase openLocal(const QString &file, const QString &connectionName)
{
    return openSqlite(file, connectionName, false);
}

void close(const QString &connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace Connections
