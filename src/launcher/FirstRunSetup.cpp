#include "FirstRunSetup.h"

#include "Connections.h"
#include "DbError.h"
#include "Passwords.h"
#include "Pinyin.h"
#include "SchemaInstaller.h"
#include "Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kServerConnection = QStringLiteral("launcher-server");
const QString kLocalConnection = QStringLiteral("launcher-local");
// Every role letter the program knows, so the first administrator can open everything.
const QString kAdminRoles = QStringLiteral("ABCDEFHZ");
const QString kAdminName = QStringLiteral("系统管理员");
constexpr int kStaffNumberWidth = 10; // STAFF.NUMCODE

} // namespace

FirstRunSetup::FirstRunSetup(const QString &dataDir)
{
    DataFolder::setPath(dataDir);
    m_dataDir = DataFolder::path();
}

FirstRunSetup::~FirstRunSetup()
{
    m_server = QSqlDatabase();
    Connections::close(kServerConnection);
}

QString FirstRunSetup::flagFile(const QString &dataDir)
{
    return QDir(dataDir).absoluteFilePath(QStringLiteral("QELTA.ini"));
}

bool FirstRunSetup::isInitialized(const QString &dataDir)
{
    QSettings ini(flagFile(dataDir), QSettings::IniFormat);
    return ini.value(QStringLiteral("QELTA/Initialized"), 0).toInt() != 0;
}

void FirstRunSetup::progress(int percent) const
{
    if (onProgress)
        onProgress(percent);
}

bool FirstRunSetup::run(const std::function<std::optional<AdminAccount>()> &askAdmin)
{
    progress(0);
    prepareServer();
    if (needsAdministrator()) {
        const std::optional<AdminAccount> admin = askAdmin ? askAdmin() : std::nullopt;
        if (!admin)
            return false;
        createAdministrator(*admin);
    }
    progress(70);
    prepareLocal();
    markInitialized();
    return true;
}

void FirstRunSetup::prepareServer()
{
    if (!QDir().mkpath(m_dataDir))
        throw SetupError(QStringLiteral("无法建立数据文件夹 %1").arg(m_dataDir));
    const QString ini = DataFolder::iniFile();
    if (!QFileInfo::exists(ini)) {
        ServerSettings embedded;
        embedded.database = QFileInfo(DataFolder::embeddedServerFile()).fileName();
        embedded.save(ini);
        if (!QFileInfo::exists(ini))
            throw SetupError(QStringLiteral("无法写入 %1").arg(ini));
    }
    const ServerSettings settings = ServerSettings::load(ini);
    // The data layer would only say that the driver is unavailable; name the file to fix.
    if (settings.driver != QLatin1String("QSQLITE") && settings.driver != QLatin1String("QPSQL"))
        throw SetupError(QStringLiteral("%1 中的数据库驱动 \"%2\" 无法识别。可用的驱动：QSQLITE（内置数据库）、QPSQL（PostgreSQL 服务器）。")
                             .arg(ini, settings.driver));
    progress(10);

    try {
        m_server = Connections::openServer(settings, kServerConnection);
    } catch (const DbError &e) {
        throw SetupError(QStringLiteral("无法打开服务器数据库：%1").arg(e.text()));
    }
    progress(20);
    try {
        SchemaInstaller::install(m_server, SchemaInstaller::Target::Server);
    } catch (const DbError &e) {
        throw SetupError(QStringLiteral("无法建立服务器数据库的表：%1").arg(e.text()));
    }
    progress(50);
}

bool FirstRunSetup::needsAdministrator() const
{
    try {
        QSqlQuery q = Sql::exec(m_server, QStringLiteral("SELECT ROLE FROM STAFF"));
        while (q.next())
            if (q.value(0).toString().contains(u'A'))
                return false;
        return true;
    } catch (const DbError &e) {
        throw SetupError(QStringLiteral("无法读取员工表：%1").arg(e.text()));
    }
}

QString FirstRunSetup::adminProblem(const AdminAccount &admin)
{
    const QString number = admin.number.trimmed();
    if (number.isEmpty())
        return QStringLiteral("系统管理员的工号不能为空。");
    if (number.size() > kStaffNumberWidth)
        return QStringLiteral("系统管理员的工号最多 %1 个字符。").arg(kStaffNumberWidth);
    if (admin.password.trimmed().isEmpty())
        return QStringLiteral("系统管理员的密码不能为空。");
    return {};
}

void FirstRunSetup::createAdministrator(const AdminAccount &admin)
{
    if (const QString problem = adminProblem(admin); !problem.isEmpty())
        throw SetupError(problem);
    const QString number = admin.number.trimmed();
    try {
        // Two rows with one number would lock both people out of the login.
        if (Sql::scalar(m_server, QStringLiteral("SELECT COUNT(*) FROM STAFF WHERE NUMCODE = :NO"), {{"NO", number}}).toInt() > 0)
            throw SetupError(QStringLiteral("工号 %1 已被其他员工使用，请换一个工号。").arg(number));
        const int id = Sql::scalar(m_server, QStringLiteral("SELECT COALESCE(MAX(ID), 0) + 1 FROM STAFF")).toInt();
        Sql::run(m_server,
                 QStringLiteral("INSERT INTO STAFF (ID, NUMCODE, NAME, PYCODE, PSW, ROLE, ISACTIVE)"
                                " VALUES (:ID, :NO, :NAME, :PY, :PSW, :ROLE, 1)"),
                 {{"ID", id}, {"NO", number}, {"NAME", kAdminName}, {"PY", PinyinInitials(kAdminName)},
                  {"PSW", Passwords::hash(admin.password.trimmed())}, {"ROLE", kAdminRoles}});
    } catch (const DbError &e) {
        throw SetupError(QStringLiteral("无法建立系统管理员：%1").arg(e.text()));
    }
}

void FirstRunSetup::prepareLocal()
{
    const QString file = DataFolder::localFile();
    try {
        SchemaInstaller::install(Connections::openLocal(file, kLocalConnection), SchemaInstaller::Target::Local);
    } catch (const DbError &e) {
        Connections::close(kLocalConnection);
        throw SetupError(QStringLiteral("无法建立本地数据库 %1：%2").arg(file, e.text()));
    }
    Connections::close(kLocalConnection);
    progress(90);
}

void FirstRunSetup::markInitialized()
{
    QSettings ini(flagFile(m_dataDir), QSettings::IniFormat);
    ini.setValue(QStringLiteral("QELTA/Initialized"), 1);
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw SetupError(QStringLiteral("无法写入 %1").arg(ini.fileName()));
    progress(100);
}

QString ReadAdminPasswordFile(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw SetupError(QStringLiteral("无法读取系统管理员的密码文件 %1：%2").arg(file, f.errorString()));
    return QString::fromUtf8(f.readAll()).trimmed();
}
