#include "DataModule.h"

#include "BillNumbers.h"
#include "Connections.h"
#include "SchemaInstaller.h"
#include "DbError.h"
#include "Dialect.h"
#include "LocalCounters.h"
#include "Sql.h"

namespace {
TDM *g_instance = nullptr;
}

TDM::TDM(QObject *parent) : QObject(parent), m_lists(new SharedLists(this))
{
    g_instance = this;
}

TDM::~TDM()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TDM *TDM::instance()
{
    return g_instance;
}

TDM &DM()
{
    Q_ASSERT_X(g_instance, "DM()", "the data module has not been created");
    return *g_instance;
}

void TDM::setConnections(const QSqlDatabase &server, const QSqlDatabase &local)
{
    m_server = server;
    m_local = local;
}

void TDM::OpenDatabases()
{
    OpenLocal();
    OpenServer();
}

void TDM::OpenServer()
{
    const ServerSettings settings = ServerSettings::load(DataFolder::iniFile());
    try {
        if (settings.driver != QLatin1String("QSQLITE") && settings.driver != QLatin1String("QPSQL"))
            throw DbError(QStringLiteral("kilnbook.ini 中的数据库驱动“%1”无效，应为 QSQLITE 或 QPSQL").arg(settings.driver));
        m_server = Connections::openServer(settings, QStringLiteral("dbMain"));
        SchemaInstaller::install(m_server, SchemaInstaller::Target::Server);
    } catch (const DbError &e) {
        m_server = QSqlDatabase();
        Connections::close(QStringLiteral("dbMain"));
        throw DbError(QStringLiteral("无法打开服务器数据库：%1").arg(e.text()), e.nativeCode());
    }
}

void TDM::OpenLocal()
{
    try {
        m_local = Connections::openLocal(DataFolder::localFile(), QStringLiteral("dbLocal"));
        SchemaInstaller::install(m_local, SchemaInstaller::Target::Local);
    } catch (const DbError &e) {
        m_local = QSqlDatabase();
        Connections::close(QStringLiteral("dbLocal"));
        throw DbError(QStringLiteral("无法打开本地数据库文件 %1：%2").arg(DataFolder::localFile(), e.text()), e.nativeCode());
    }
}

void TDM::EnsureOpen(bool localMode)
{
    if (!m_local.isOpen())
        OpenLocal();
    if (!localMode && !m_server.isOpen())
        OpenServer();
}

bool TDM::StaffHasRole(const QString &code) const
{
    if (code.isEmpty())
        return false;
    const QVariant role = Sql::scalar(commandDb(), QStringLiteral("SELECT ROLE FROM STAFF WHERE ID = :STFID"),
                                      {{QStringLiteral("STFID"), Operator.StfID}});
    return role.toString().contains(code);
}

QString TDM::GetSysParam(const QString &code) const
{
    const QVariant v = Sql::scalar(m_server, QStringLiteral("SELECT VALUE1 FROM SYSPARAM WHERE PRMCODE = :CUSCODE"),
                                   {{QStringLiteral("CUSCODE"), code}});
    return v.toString();
}

QString TDM::NextBillNo(const QString &headerTable) const
{
    if (!LocalMode)
        return BillNumbers::nextNumber(m_server, headerTable);
    // Local mode: the highest local number, or, in an empty local table, the next
    // value of the local counter; then plus one.
    if (const auto top = BillNumbers::highestNumber(m_local, headerTable))
        return QString::number(*top + 1);
    const QString text = NextLocalCounter(m_local, headerTable);
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("本地单号计数器缺失，请先设置本地初始单号"));
    return QString::number(n + 1);
}

QDateTime TDM::ServerNow() const
{
    if (LocalMode) {
        const QDateTime now = QDateTime::currentDateTime();
        return now.addMSecs(-now.time().msec());
    }
    return Dialect::readDate(Sql::scalar(m_server, QStringLiteral("SELECT %1").arg(Dialect::nowExpr(m_server))));
}

QDateTime TDM::ReadLastCloseDate() const
{
    const QDateTime last = Dialect::readDate(Sql::scalar(m_server, QStringLiteral("SELECT MAX(MONDATE) FROM BILLSELLP")));
    return last.isValid() ? last : ServerNow().addDays(-10000);
}

void TDM::RefreshBaseData()
{
    m_lists->refresh(m_server, m_local, !LocalMode);
    if (LocalMode)
        return;
    LastCloseDate = ReadLastCloseDate();
    Company.ComName = GetSysParam(QStringLiteral("ComName"));
    Company.ComAddr = GetSysParam(QStringLiteral("ComAddr"));
    Company.ComTel = GetSysParam(QStringLiteral("ComTel"));
    Company.ComEmail = GetSysParam(QStringLiteral("ComEmail"));
    Company.ReportName = GetSysParam(QStringLiteral("ReportName"));
}
