#pragma once

#include <QSqlDatabase>
#include <QString>

// Where the data lives: the data folder holds kilnbook.ini, the embedded server file and
// the workstation's local file. `--data-dir DIR` chooses it; otherwise the platform's
// application data location.
namespace DataFolder {
QString path();
void setPath(const QString &dir);
QString iniFile();          // kilnbook.ini
QString embeddedServerFile(); // default server database when no PostgreSQL is configured
QString localFile();        // the workstation's local file
} // namespace DataFolder

// The [Server] group of kilnbook.ini.
struct ServerSettings {
    QString driver = QStringLiteral("QSQLITE"); // QSQLITE or QPSQL
    QString database;     // SQLite: file (relative to the data folder); PostgreSQL: database name
    QString host = QStringLiteral("127.0.0.1");
    int port = 5432;
    QString user;
    QString passwordFile; // a file holding the password; never the password itself

    static ServerSettings load(const QString &iniFile);
    void save(const QString &iniFile) const;
    bool isPostgres() const { return driver == QLatin1String("QPSQL"); }
};

namespace Connections {

// Opens (or creates) an SQLite file: WAL journal, busy timeout, and the server's own
// functions when it serves as the server database. Throws DbError.
QSqlDatabase openSqlite(const QString &file, const QString &connectionName, bool asServer);

// Opens the server database the settings describe. Throws DbError.
QSqlDatabase openServer(const ServerSettings &s, const QString &connectionName);

// Opens the workstation's local file. Throws DbError.
QSqlDatabase openLocal(const QString &file, const QString &connectionName);

void close(const QString &connectionName);

} // namespace Connections
