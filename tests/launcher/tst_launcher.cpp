// The launcher: a new data folder is prepared once and only after every step worked;
// every start ends by starting the program with the same data folder.
#include "Connections.h"
#include "FirstRunSetup.h"
#include "Form1.h"
#include "HouseStyle.h"
#include "Launcher.h"
#include "MsgBoxSpy.h"
#include "Passwords.h"
#include "SchemaInstaller.h"
#include "Sql.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

class TestLauncher : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { HouseStyle::apply(*qApp); }
    void init();
    void cleanup();

    void firstStartPreparesLaterStartsOnlyStart();
    void failedStepIsRepeatedOnNextStart_data();
    void failedStepIsRepeatedOnNextStart();
    void windowAsksForTheAdministrator();

private:
    QString path(const QString &name) const { return m_tmp->filePath(name); }
    QString dataDir() const { return path(QStringLiteral("data")); }
    LaunchOptions options(bool scripted = true) const;
    // Points the data folder at the engine under test: the embedded default for SQLite
    // (nothing to write), the test cluster for PostgreSQL.
    void configureServer(const QString &dir) const;
    void writeIni(const QString &dir, const QString &driver, int port = 5432, const QString &passwordFile = {}) const;
    QStringList startedWith() const;
    // Answers the window's request for an administrator; counts how often it came.
    void whenAsked(std::function<void(TForm1 *)> answer);
    QSqlDatabase openServer(const QString &dir) const;

    std::unique_ptr<TestDatabase> m_pg;
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::shared_ptr<MsgBoxSpy> m_spy;
    std::unique_ptr<QTimer> m_asker;
    int m_asked = 0;
};

void TestLauncher::init()
{
    if (TestDatabase::engineUnderTest() == Engine::PostgreSQL) {
        m_pg = std::make_unique<TestDatabase>();
        // The launcher meets an empty database, as on a new server.
        Sql::runScript(m_pg->server(), QStringLiteral("DROP SCHEMA public CASCADE\n;;\nCREATE SCHEMA public"));
    }
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_spy = MsgBoxSpy::install();
    m_asked = 0;

    // Stands in for the program: records its arguments.
    QFile program(path(QStringLiteral("kilnbook")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\" && mv \"$0.args.tmp\" \"$0.args\"\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QFile password(path(QStringLiteral("admin-password")));
    QVERIFY(password.open(QIODevice::WriteOnly));
    password.write(" first pw\n");
}

void TestLauncher::cleanup()
{
    m_asker.reset();
    Connections::close(QStringLiteral("check-server"));
    Connections::close(QStringLiteral("check-local"));
    m_tmp.reset();
    m_pg.reset();
}

LaunchOptions TestLauncher::options(bool scripted) const
{
    LaunchOptions o;
    o.dataDir = dataDir();
    o.program = path(QStringLiteral("kilnbook"));
    if (scripted) {
        o.adminNumber = QStringLiteral("admin");
        o.adminPasswordFile = path(QStringLiteral("admin-password"));
    }
    return o;
}

void TestLauncher::configureServer(const QString &dir) const
{
    if (m_pg) {
        QDir().mkpath(dir);
        m_pg->settings().save(dir + QStringLiteral("/kilnbook.ini"));
    }
}

void TestLauncher::writeIni(const QString &dir, const QString &driver, int port, const QString &passwordFile) const
{
    QDir().mkpath(dir);
    ServerSettings s;
    s.driver = driver;
    s.database = QStringLiteral("kilnbook");
    s.port = port;
    s.user = QStringLiteral("kilnbook");
    s.passwordFile = passwordFile;
    s.save(dir + QStringLiteral("/kilnbook.ini"));
}

QStringList TestLauncher::startedWith() const
{
    const QString file = path(QStringLiteral("kilnbook.args"));
    if (!QTest::qWaitFor([&] { return QFile::exists(file); }, 10000))
        return {};
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    QStringList args = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    f.close();
    f.remove();
    return args;
}

void TestLauncher::whenAsked(std::function<void(TForm1 *)> answer)
{
    m_asker = std::make_unique<QTimer>();
    connect(m_asker.get(), &QTimer::timeout, this, [this, answer] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *form = qobject_cast<TForm1 *>(w);
            if (form && form->isVisible() && form->pnlAdmin->isVisible() && form->pnlAdmin->isEnabled()) {
                m_asker->stop();
                ++m_asked;
                answer(form);
                // A failed check inside the answer must not leave the window waiting.
                if (QTest::currentTestFailed() && form->pnlAdmin->isEnabled())
                    form->btnCancel->click();
                return;
            }
        }
    });
    m_asker->start(20);
}

QSqlDatabase TestLauncher::openServer(const QString &dir) const
{
    DataFolder::setPath(dir);
    return Connections::openServer(ServerSettings::load(dir + QStringLiteral("/kilnbook.ini")),
                                   QStringLiteral("check-server"));
}

void TestLauncher::firstStartPreparesLaterStartsOnlyStart()
{
    configureServer(dataDir());
    QCOMPARE(Launch(options()), 0);
    QCOMPARE(startedWith(), (QStringList{QStringLiteral("--data-dir"), dataDir()}));
    QVERIFY(FirstRunSetup::isInitialized(dataDir()));
    QVERIFY(m_spy->messages.isEmpty());

    const ServerSettings settings = ServerSettings::load(dataDir() + QStringLiteral("/kilnbook.ini"));
    QCOMPARE(settings.driver, m_pg ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"));
    {
        QSqlDatabase server = openServer(dataDir());
        QCOMPARE(SchemaInstaller::version(server), SchemaInstaller::currentVersion());
        QSqlQuery q = Sql::exec(server, QStringLiteral("SELECT NUMCODE, PSW, ROLE, ISACTIVE FROM STAFF"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString().trimmed(), QStringLiteral("admin"));
        QVERIFY(Passwords::verify(q.value(1).toString(), QStringLiteral("first pw")));
        QCOMPARE(q.value(2).toString().trimmed(), QStringLiteral("ABCDEFHZ"));
        QCOMPARE(q.value(3).toInt(), 1);
        QVERIFY(!q.next());
    }
    {
        QSqlDatabase local = Connections::openLocal(DataFolder::localFile(), QStringLiteral("check-local"));
        QCOMPARE(SchemaInstaller::version(local), SchemaInstaller::currentVersion());
        QCOMPARE(Sql::scalar(local, QStringLiteral("SELECT COUNT(*) FROM PRODCLS")).toInt(), 3);
    }
    Connections::close(QStringLiteral("check-local"));

    // A later start only starts the program: a lost local file is not made again.
    QVERIFY(QFile::remove(DataFolder::localFile()));
    whenAsked([](TForm1 *form) { form->btnCancel->click(); });
    QCOMPARE(Launch(options(false)), 0);
    QCOMPARE(startedWith(), (QStringList{QStringLiteral("--data-dir"), dataDir()}));
    QVERIFY(!QFile::exists(DataFolder::localFile()));

    // A second workstation on the same server: it prepares its own folder but finds the
    // administrator there, so it asks for none and adds none.
    const QString second = path(QStringLiteral("second"));
    if (m_pg) {
        configureServer(second);
    } else {
        QDir().mkpath(second);
        ServerSettings shared = settings;
        shared.database = dataDir() + QStringLiteral("/kilnbook.db");
        shared.save(second + QStringLiteral("/kilnbook.ini"));
    }
    LaunchOptions o = options(false);
    o.dataDir = second;
    QCOMPARE(Launch(o), 0);
    QCOMPARE(m_asked, 0);
    QVERIFY(FirstRunSetup::isInitialized(second));
    QVERIFY(QFile::exists(second + QStringLiteral("/local.db")));
    QCOMPARE(Sql::scalar(openServer(dataDir()), QStringLiteral("SELECT COUNT(*) FROM STAFF")).toInt(), 1);
}

void TestLauncher::failedStepIsRepeatedOnNextStart_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown driver") << "driver" << "\"QODBC\"";
    QTest::newRow("unreachable server") << "unreachable" << "无法打开服务器数据库";
    QTest::newRow("database password file missing") << "dbpassword" << "no-such-pgpass";
    QTest::newRow("administrator password file missing") << "adminpassword" << "no-such-admin-pw";
    QTest::newRow("administrator number too long") << "adminnumber" << "最多 10 个字符";
}

void TestLauncher::failedStepIsRepeatedOnNextStart()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    LaunchOptions broken = options();
    if (fault == QLatin1String("driver"))
        writeIni(dataDir(), QStringLiteral("QODBC"));
    else if (fault == QLatin1String("unreachable"))
        writeIni(dataDir(), QStringLiteral("QPSQL"), 1); // nothing listens on port 1
    else if (fault == QLatin1String("dbpassword"))
        writeIni(dataDir(), QStringLiteral("QPSQL"), 5432, QStringLiteral("no-such-pgpass"));
    else if (fault == QLatin1String("adminpassword"))
        broken.adminPasswordFile = path(QStringLiteral("no-such-admin-pw"));
    else
        broken.adminNumber = QStringLiteral("12345678901");

    QVERIFY(Launch(broken) != 0);
    QVERIFY(!FirstRunSetup::isInitialized(dataDir()));
    QCOMPARE(m_spy->messages.size(), 1);
    QCOMPARE(m_spy->messages[0].kind, int(mbError));
    QVERIFY2(m_spy->lastText().contains(reason), qPrintable(m_spy->lastText()));
    QVERIFY(!QFile::exists(path(QStringLiteral("kilnbook.args"))));

    // Once the cause is fixed, the next start prepares.
    QFile::remove(dataDir() + QStringLiteral("/kilnbook.ini"));
    configureServer(dataDir());
    m_spy->clear();
    QCOMPARE(Launch(options()), 0);
    QVERIFY(m_spy->messages.isEmpty());
    QVERIFY(FirstRunSetup::isInitialized(dataDir()));
    QCOMPARE(startedWith().size(), 2);
    QCOMPARE(Sql::scalar(openServer(dataDir()), QStringLiteral("SELECT COUNT(*) FROM STAFF WHERE NUMCODE = 'admin'")).toInt(), 1);
}

void TestLauncher::windowAsksForTheAdministrator()
{
    configureServer(dataDir());

    // Cancelled: nothing is marked as prepared and the program is not started.
    whenAsked([](TForm1 *form) { QTest::keyClick(form, Qt::Key_Escape); });
    QVERIFY(Launch(options(false)) != 0);
    QCOMPARE(m_asked, 1);
    QVERIFY(!FirstRunSetup::isInitialized(dataDir()));
    QVERIFY(m_spy->messages.isEmpty());

    whenAsked([this](TForm1 *form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("数据库正在初始化..."));
        QCOMPARE(form->Label1->text(), QStringLiteral("数据库正在初始化..."));
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form->ProBar->maximum(), 100);
        QVERIFY(form->edAdminNo->hasFocus());
        QTest::keyClicks(form->edAdminNo, QStringLiteral("boss"));
        QTest::keyClick(form->edAdminNo, Qt::Key_Return);
        QTest::keyClicks(form->edAdminPsw, QStringLiteral("pw 1"));
        QTest::keyClick(form->edAdminPsw, Qt::Key_Return);
        QTest::keyClicks(form->edAdminPsw2, QStringLiteral("pw 2"));
        QTest::mouseClick(form->btnOK, Qt::LeftButton);
        QCOMPARE(m_spy->lastText(), QStringLiteral("两次输入的密码不相同！"));
        QVERIFY(form->pnlAdmin->isEnabled()); // still asking

        form->edAdminPsw2->clear();
        QTest::keyClicks(form->edAdminPsw2, QStringLiteral("pw 1"));
        QDir().mkpath(QStringLiteral(KB_SCREENSHOT_DIR));
        form->grab().save(QStringLiteral(KB_SCREENSHOT_DIR "/launcher.png"));
        QTest::keyClick(form->edAdminPsw2, Qt::Key_Return);
    });
    QCOMPARE(Launch(options(false)), 0);
    QCOMPARE(m_asked, 2);
    QCOMPARE(m_spy->messages.size(), 1);
    QVERIFY(FirstRunSetup::isInitialized(dataDir()));
    QCOMPARE(startedWith().size(), 2);
    const QVariant psw = Sql::scalar(openServer(dataDir()), QStringLiteral("SELECT PSW FROM STAFF WHERE NUMCODE = 'boss'"));
    QVERIFY(Passwords::verify(psw.toString(), QStringLiteral("pw 1")));
}

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
