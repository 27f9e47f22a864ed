#pragma once

#include "SharedLists.h"
#include "Types.h"

#include <QDateTime>
#include <QObject>
#include <QSqlDatabase>

// The data module: the connections, the run-wide values and the shared services every
// window calls. One instance lives for the whole run (DM()); tests make their own.
class TDM : public QObject
{
    Q_OBJECT
public:
    explicit TDM(QObject *parent = nullptr);
    ~TDM() override;

    static TDM *instance();

    // Connections. The local file serves both as dbLocal and as adoLocal.
    void setConnections(const QSqlDatabase &server, const QSqlDatabase &local);
    // Opens the server database that kilnbook.ini in the data folder names (the embedded
    // file when there is none) and the workstation's local file, creating or upgrading
    // the schema of both. Throws DbError.
    void OpenDatabases();
    // The two halves of OpenDatabases. Each error names the database that could not be
    // opened, followed by the engine's text.
    void OpenServer();
    void OpenLocal();
    // Opens what the chosen mode needs and is not open yet (the login calls this, so a
    // server that was down at start can be reached later).
    void EnsureOpen(bool localMode);
    QSqlDatabase dbMain() const { return m_server; }
    QSqlDatabase dbLocal() const { return m_local; }
    QSqlDatabase adoLocal() const { return m_local; }
    // The database the shared services read: the local file after a local-mode login.
    QSqlDatabase commandDb() const { return LocalMode ? m_local : m_server; }

    // Run-wide values.
    TStaff Operator;
    TStaff Cashier;
    bool LocalMode = false;
    TCompany Company;
    QDateTime LastCloseDate;

    // Services (all throw DbError when the database fails).
    bool StaffHasRole(const QString &code) const;
    QString GetSysParam(const QString &code) const;
    QString NextBillNo(const QString &headerTable) const;
    QDateTime ServerNow() const;
    void RefreshBaseData();
    // MAX(MONDATE) over the sales bills, or the server date minus 10000 days.
    QDateTime ReadLastCloseDate() const;

    SharedLists *lists() const { return m_lists; }

private:
    QSqlDatabase m_server;
    QSqlDatabase m_local;
    SharedLists *m_lists;
};

TDM &DM();
