// The workstation's local file: uploading local bills, the bill counters and their
// dialog, the base-data download and its window, the login follow-up.
#include "DbError.h"
#include "Dialect.h"
#include "LocalTransfer.h"
#include "LoginFollowUp.h"
#include "MsgBoxSpy.h"
#include "Screenshot.h"
#include "Sql.h"
#include "TestDatabase.h"
#include "frmProgress.h"
#include "frmSetLocalBN.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

const QDateTime kBillDate(QDate(2026, 3, 2), QTime(9, 15));

QVariant nullable(const QString &s)
{
    return s.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(s);
}

void addLocalBill(const QSqlDatabase &local, const QString &kind, const QString &no, int lines,
                  const QString &dspt = {}, const QString &localId = {})
{
    Sql::run(local, QStringLiteral("INSERT INTO %1P (BILLNO, BILLDATE, BILLER, BILLSTATE, CUSID, DSPT, LOCALID)"
                                   " VALUES (:NO, :D, 3, 10, 7, :DSPT, :ID)").arg(kind),
             {{"NO", no}, {"D", Dialect::bindDate(kBillDate)}, {"DSPT", nullable(dspt)}, {"ID", nullable(localId)}});
    for (int s = 1; s <= lines; ++s)
        Sql::run(local, QStringLiteral("INSERT INTO %1C (BILLNO, SNO, INVID, PRODCLS, QTY, PRICE)"
                                       " VALUES (:NO, :S, :INV, 10, :Q, 25.5)").arg(kind),
                 {{"NO", no}, {"S", s}, {"INV", 100 + s}, {"Q", s * 2.5}});
}

int count(const QSqlDatabase &db, const QString &sql)
{
    return Sql::scalar(db, sql).toInt();
}

QString text(const QSqlDatabase &db, const QString &sql)
{
    return Sql::scalar(db, sql).toString();
}

// Runs fn on the next modal dialog of type T once it is up, for as long as scope lives.
// A dialog that fn leaves open is rejected after a while, so a fault fails the test
// instead of hanging it.
template <typename T>
void whenModal(QObject *scope, std::function<void(T *)> fn)
{
    auto *timer = new QTimer(scope);
    QObject::connect(timer, &QTimer::timeout, [timer, fn] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            fn(w);
            QTimer::singleShot(5000, w, [w] { w->reject(); });
        }
    });
    timer->start(10);
}

void typeInto(QLineEdit *edit, const QString &value)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, value);
}

} // namespace

class TestLocalFile : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        spy = MsgBoxSpy::install();
    }
    void cleanup()
    {
        spy.reset();
        db.reset();
    }

    void uploadBill_data();
    void uploadBill();
    void uploadAll();
    void repeatedUploadAfterServerCommit();
    void failedUploadLeavesBillLocal_data();
    void failedUploadLeavesBillLocal();

    void setNumbersDialog();
    void setNumbersRefusesWhatIsNoNumber_data();
    void setNumbersRefusesWhatIsNoNumber();
    void loginFollowUp();

    void downloadReplacesLocalCopy();
    void failedDownloadKeepsOldCopy_data();
    void failedDownloadKeepsOldCopy();
    void progressWindowClosesWithoutFlag();

private:
    std::unique_ptr<TestDatabase> db;
    std::shared_ptr<MsgBoxSpy> spy;
};

void TestLocalFile::uploadBill_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("dspt");
    QTest::addColumn<QString>("counter");
    QTest::newRow("sales bill") << "BILLSELL" << "急单" << "LOCALBILLNO_SELL";
    QTest::newRow("order bill without remark") << "BILLORDER" << QString() << "LOCALBILLNO_ORDER";
    QTest::newRow("full-width remark") << "BILLSELL" << QString(60, u'备') << "LOCALBILLNO_SELL";
}

void TestLocalFile::uploadBill()
{
    QFETCH(QString, kind);
    QFETCH(QString, dspt);
    QFETCH(QString, counter);
    const QSqlDatabase server = db->server(), local = db->local();
    Sql::run(local, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES (1, :C, '9', 0)"), {{"C", counter}});
    db->exec(QStringLiteral("INSERT INTO %1P (BILLNO) VALUES ('1001')").arg(kind));
    db->exec(QStringLiteral("INSERT INTO %1P (BILLNO) VALUES ('1007')").arg(kind));
    addLocalBill(local, kind, QStringLiteral("5"), 3, dspt);
    addLocalBill(local, kind, QStringLiteral("6"), 1); // stays behind

    QCOMPARE(UploadLocalBill(server, local, kind, QStringLiteral("5")), QStringLiteral("1008"));

    QSqlQuery h = Sql::exec(server, QStringLiteral("SELECT BILLDATE, BILLER, BILLSTATE, CUSID, DSPT, LOCALID FROM %1P WHERE BILLNO = '1008'").arg(kind));
    QVERIFY(h.next());
    QCOMPARE(Dialect::readDate(h.value(0)), kBillDate);
    QCOMPARE(h.value(1).toInt(), 3);
    QCOMPARE(h.value(2).toInt(), 10);
    QCOMPARE(h.value(3).toInt(), 7);
    QCOMPARE(h.value(4).toString(), dspt + QStringLiteral(" 原单机版单号：5"));
    QCOMPARE(h.value(5).toString().size(), 36);

    QSqlQuery l = Sql::exec(server, QStringLiteral("SELECT SNO, INVID, QTY, PRICE FROM %1C WHERE BILLNO = '1008' ORDER BY SNO").arg(kind));
    for (int s = 1; s <= 3; ++s) {
        QVERIFY(l.next());
        QCOMPARE(l.value(0).toInt(), s);
        QCOMPARE(l.value(1).toInt(), 100 + s);
        QCOMPARE(l.value(2).toDouble(), s * 2.5);
        QCOMPARE(l.value(3).toDouble(), 25.5);
    }
    QVERIFY(!l.next());
    QCOMPARE(count(server, QStringLiteral("SELECT COUNT(*) FROM %1C").arg(kind)), 3);

    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM %1P WHERE BILLNO = '5'").arg(kind)), 0);
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM %1C WHERE BILLNO = '5'").arg(kind)), 0);
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM %1C WHERE BILLNO = '6'").arg(kind)), 1);
    QCOMPARE(text(local, QStringLiteral("SELECT VALUE2 FROM SYSPARAM WHERE PRMCODE = '%1'").arg(counter)), QStringLiteral("5"));

    QCOMPARE(UploadLocalBill(server, local, kind, QStringLiteral("5")), QString()); // gone
}

void TestLocalFile::uploadAll()
{
    const QSqlDatabase server = db->server(), local = db->local();
    QVERIFY(UploadAllLocalBills(server, local)); // nothing to upload

    addLocalBill(local, QStringLiteral("BILLSELL"), QStringLiteral("12"), 2);
    addLocalBill(local, QStringLiteral("BILLSELL"), QStringLiteral("3"), 1, {}, QStringLiteral("0b5c6c1e-8a8e-4f43-9d1e-3f1b2c4d5e6f"));
    addLocalBill(local, QStringLiteral("BILLORDER"), QStringLiteral("4"), 5);
    QVERIFY(UploadAllLocalBills(server, local));

    // Numeric order of the local numbers; every bill keeps or gets its own id.
    QSqlQuery q = Sql::exec(server, QStringLiteral("SELECT BILLNO, DSPT, LOCALID FROM BILLSELLP ORDER BY BILLNO"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("1001"));
    QCOMPARE(q.value(1).toString(), QStringLiteral(" 原单机版单号：3"));
    QCOMPARE(q.value(2).toString(), QStringLiteral("0b5c6c1e-8a8e-4f43-9d1e-3f1b2c4d5e6f"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("1002"));
    QCOMPARE(q.value(1).toString(), QStringLiteral(" 原单机版单号：12"));
    QCOMPARE(q.value(2).toString().size(), 36);
    QVERIFY(!q.next());
    QCOMPARE(count(server, QStringLiteral("SELECT COUNT(*) FROM BILLORDERC WHERE BILLNO = '1001'")), 5);
    for (const char *t : {"BILLSELLP", "BILLSELLC", "BILLORDERP", "BILLORDERC"})
        QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t))), 0);

    // Only the two kinds of local bill go into SQL text.
    QVERIFY_THROWS_EXCEPTION(DbError, UploadLocalBill(server, local, QStringLiteral("STAFF"), QStringLiteral("1")));
}

void TestLocalFile::repeatedUploadAfterServerCommit()
{
    const QSqlDatabase server = db->server(), local = db->local();
    addLocalBill(local, QStringLiteral("BILLSELL"), QStringLiteral("5"), 5);
    // The workstation goes down after the server's commit, before the local deletion.
    Sql::runScript(local, QStringLiteral("CREATE TRIGGER CRASH BEFORE DELETE ON BILLSELLC BEGIN SELECT RAISE(ABORT, 'crash'); END"));
    QVERIFY_THROWS_EXCEPTION(DbError, UploadLocalBill(server, local, QStringLiteral("BILLSELL"), QStringLiteral("5")));
    QCOMPARE(count(server, QStringLiteral("SELECT COUNT(*) FROM BILLSELLP")), 1);
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM BILLSELLC WHERE BILLNO = '5'")), 5);

    Sql::runScript(local, QStringLiteral("DROP TRIGGER CRASH"));
    QCOMPARE(UploadLocalBill(server, local, QStringLiteral("BILLSELL"), QStringLiteral("5")), QStringLiteral("1001"));
    QVERIFY(UploadAllLocalBills(server, local));
    QCOMPARE(count(server, QStringLiteral("SELECT COUNT(*) FROM BILLSELLP")), 1);
    QCOMPARE(count(server, QStringLiteral("SELECT COUNT(*) FROM BILLSELLC")), 5);
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM BILLSELLP")), 0);
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM BILLSELLC")), 0);
}

void TestLocalFile::failedUploadLeavesBillLocal_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("server fails after the header") << "lines";
    QTest::newRow("remark too long for the note") << "remark";
}

void TestLocalFile::failedUploadLeavesBillLocal()
{
    QFETCH(QString, fault);
    const QSqlDatabase server = db->server(), local = db->local();
    Sql::run(local, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES (1, 'LOCALBILLNO_SELL', '9', 0)"));
    addLocalBill(local, QStringLiteral("BILLSELL"), QStringLiteral("5"), 3,
                 fault == QLatin1String("remark") ? QString(75, u'x') : QStringLiteral("急单"));
    if (fault == QLatin1String("lines"))
        Sql::runScript(server, QStringLiteral("ALTER TABLE BILLSELLC RENAME TO BILLSELLC_AWAY"));

    QVERIFY_THROWS_EXCEPTION(DbError, UploadLocalBill(server, local, QStringLiteral("BILLSELL"), QStringLiteral("5")));
    QCOMPARE(count(server, QStringLiteral("SELECT COUNT(*) FROM BILLSELLP")), 0);
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM BILLSELLP WHERE BILLNO = '5'")), 1);
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM BILLSELLC WHERE BILLNO = '5'")), 3);
    QCOMPARE(text(local, QStringLiteral("SELECT VALUE2 FROM SYSPARAM WHERE PRMCODE = 'LOCALBILLNO_SELL'")), QStringLiteral("9"));

    if (fault == QLatin1String("lines")) { // the server is back: the bill goes up whole
        Sql::runScript(server, QStringLiteral("ALTER TABLE BILLSELLC_AWAY RENAME TO BILLSELLC"));
        QCOMPARE(UploadLocalBill(server, local, QStringLiteral("BILLSELL"), QStringLiteral("5")), QStringLiteral("1001"));
        QCOMPARE(count(server, QStringLiteral("SELECT COUNT(*) FROM BILLSELLC WHERE BILLNO = '1001'")), 3);
    }
}

void TestLocalFile::setNumbersDialog()
{
    const QSqlDatabase local = db->local();
    Sql::run(local, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, VALUE2, ISWAS) VALUES (4, 'LOCALBILLNO_SELL', '57', 0)"));
    TfrmSetLocalBN dialog(local);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.edtSellNo->text(), QStringLiteral("57"));
    QCOMPARE(dialog.edtOrderNo->text(), QString());
    SaveScreenshot(&dialog, QStringLiteral("frmSetLocalBN"));

    typeInto(dialog.edtSellNo, QStringLiteral("120"));
    typeInto(dialog.edtOrderNo, QStringLiteral(" 80"));
    QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(spy->messages.isEmpty());

    QSqlQuery q = Sql::exec(local, QStringLiteral("SELECT ID, PRMCODE, VALUE2, ISWAS FROM SYSPARAM ORDER BY ID"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1); // the sales row was removed before the new ID was taken
    QCOMPARE(q.value(1).toString(), QStringLiteral("LOCALBILLNO_SELL"));
    QCOMPARE(q.value(2).toString(), QStringLiteral("120"));
    QCOMPARE(q.value(3).toInt(), 0);
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    QCOMPARE(q.value(1).toString(), QStringLiteral("LOCALBILLNO_ORDER"));
    QCOMPARE(q.value(2).toString(), QStringLiteral("80"));
    QVERIFY(!q.next());
}

void TestLocalFile::setNumbersRefusesWhatIsNoNumber_data()
{
    QTest::addColumn<QString>("sell");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("named");
    QTest::newRow("letters") << "12a" << "5" << "销售单";
    QTest::newRow("nothing typed") << "5" << "" << "订货单";
    QTest::newRow("negative") << "-3" << "5" << "销售单";
    QTest::newRow("too long for a bill number") << "5" << "1234567890" << "订货单";
    QTest::newRow("quote") << "5'" << "5" << "销售单";
}

void TestLocalFile::setNumbersRefusesWhatIsNoNumber()
{
    QFETCH(QString, sell);
    QFETCH(QString, order);
    QFETCH(QString, named);
    TfrmSetLocalBN dialog(db->local());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    typeInto(dialog.edtSellNo, sell);
    typeInto(dialog.edtOrderNo, order);
    QTest::mouseClick(dialog.btnOK, Qt::LeftButton);

    QCOMPARE(spy->messages.size(), 1);
    QCOMPARE(spy->messages.first().kind, 2);
    QVERIFY2(spy->lastText().contains(named), qPrintable(spy->lastText()));
    QVERIFY(dialog.isVisible());
    QCOMPARE(count(db->local(), QStringLiteral("SELECT COUNT(*) FROM SYSPARAM")), 0);

    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(count(db->local(), QStringLiteral("SELECT COUNT(*) FROM SYSPARAM")), 0);
}

void TestLocalFile::loginFollowUp()
{
    const QSqlDatabase server = db->server(), local = db->local();
    db->exec(QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME) VALUES (1, 'C1', '顺发建材')"));

    // No counters yet: the numbers dialog comes first, then the download.
    QObject scope;
    QStringList seen;
    whenModal<TfrmSetLocalBN>(&scope, [&](TfrmSetLocalBN *d) {
        seen << QStringLiteral("numbers");
        typeInto(d->edtSellNo, QStringLiteral("100"));
        typeInto(d->edtOrderNo, QStringLiteral("200"));
        whenModal<TfrmProgress>(&scope, [&](TfrmProgress *) { seen << QStringLiteral("download"); });
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    RunLoginFollowUp(nullptr, server, local, true);
    QCOMPARE(seen, QStringList({QStringLiteral("numbers"), QStringLiteral("download")}));
    QCOMPARE(text(local, QStringLiteral("SELECT NAME FROM CUSTOMER WHERE ID = 1")), QStringLiteral("顺发建材"));

    // With counters each login uses up one number of each kind, and asks nothing.
    whenModal<QDialog>(&scope, [&](QDialog *d) { seen << d->objectName(); });
    RunLoginFollowUp(nullptr, server, local, false);
    RunLoginFollowUp(nullptr, server, local, false);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(text(local, QStringLiteral("SELECT VALUE2 FROM SYSPARAM WHERE PRMCODE = 'LOCALBILLNO_SELL'")), QStringLiteral("102"));
    QCOMPARE(text(local, QStringLiteral("SELECT VALUE2 FROM SYSPARAM WHERE PRMCODE = 'LOCALBILLNO_ORDER'")), QStringLiteral("202"));
    QVERIFY(spy->messages.isEmpty());
}

void TestLocalFile::downloadReplacesLocalCopy()
{
    const QSqlDatabase server = db->server(), local = db->local();
    for (int i = 1; i <= 3; ++i)
        db->exec(QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME, PLACEID) VALUES (%1, 'C%1', '客户%1', 2)").arg(i));
    Sql::run(server, QStringLiteral("INSERT INTO STAFF (ID, NUMCODE, NAME, INDATE, ISACTIVE) VALUES (9, '009', '王五', :D, 1)"),
             {{"D", Dialect::bindDate(QDateTime(QDate(2026, 3, 1), QTime(8, 30)))}});
    Sql::run(local, QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME) VALUES (1, 'OLD', '旧客户')"));
    Sql::run(local, QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME) VALUES (8, 'GONE', '已删')"));
    Sql::run(local, QStringLiteral("INSERT INTO PLACE (ID, NUMCODE, NAME) VALUES (1, 'P1', '佛山')"));

    QList<QPair<int, int>> calls;
    QVERIFY(SyncBaseData(server, local, QStringLiteral("Customer"), [&](int done, int total) { calls << qMakePair(done, total); }));
    QCOMPARE(calls.first(), qMakePair(0, 3));
    QCOMPARE(calls.last(), qMakePair(3, 3));
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM CUSTOMER")), 3);
    QCOMPARE(text(local, QStringLiteral("SELECT NAME FROM CUSTOMER WHERE ID = 1")), QStringLiteral("客户1"));
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM CUSTOMER WHERE PLACEID = 2")), 3);

    QVERIFY(SyncBaseData(server, local, QStringLiteral("Place"))); // empty on the server
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM PLACE")), 0);

    // Dates arrive as the text the local file compares by.
    QVERIFY(SyncBaseData(server, local, QStringLiteral("Staff")));
    QCOMPARE(text(local, QStringLiteral("SELECT INDATE FROM STAFF WHERE ID = 9")), QStringLiteral("2026-03-01 08:30:00"));

    QVERIFY(!SyncBaseData(server, local, QStringLiteral("BILLSELLP")));
}

void TestLocalFile::failedDownloadKeepsOldCopy_data()
{
    QTest::addColumn<QString>("breakPlace");
    QTest::newRow("table missing on the server")
        << "ALTER TABLE PLACE RENAME TO PLACE_AWAY";
    // Every row twice: the copy fails on the local key halfway through.
    QTest::newRow("copy fails halfway")
        << "ALTER TABLE PLACE RENAME TO PLACE_AWAY\n;;\nCREATE TABLE PLACE AS SELECT * FROM PLACE_AWAY UNION ALL SELECT * FROM PLACE_AWAY";
}

void TestLocalFile::failedDownloadKeepsOldCopy()
{
    QFETCH(QString, breakPlace);
    const QSqlDatabase server = db->server(), local = db->local();
    db->exec(QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME) VALUES (1, 'C1', '新客户')"));
    db->exec(QStringLiteral("INSERT INTO DEPT (ID, NUMCODE, NAME) VALUES (1, 'D1', '销售部')"));
    db->exec(QStringLiteral("INSERT INTO PLACE (ID, NUMCODE, NAME) VALUES (1, 'P1', '新佛山')"));
    db->exec(QStringLiteral("INSERT INTO PLACE (ID, NUMCODE, NAME) VALUES (2, 'P2', '新肇庆')"));
    Sql::runScript(server, breakPlace);
    Sql::run(local, QStringLiteral("INSERT INTO PLACE (ID, NUMCODE, NAME) VALUES (1, 'P1', '佛山')"));
    Sql::run(local, QStringLiteral("INSERT INTO PLACE (ID, NUMCODE, NAME) VALUES (5, 'P5', '清远')"));
    Sql::run(local, QStringLiteral("INSERT INTO PRODSTOCK (PRODID, STOREID, COLORNO, SIZENO, FIRSTQTY) VALUES (1, 1, 'A', 'B', 40)"));

    TfrmProgress window(server, local);
    window.DownloadFlag = true;
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QVERIFY(!window.DownloadFlag);
    QCOMPARE(window.lbldnload->text(), QStringLiteral("正在同步Place表数据，请稍候......"));

    QCOMPARE(spy->messages.size(), 1);
    QCOMPARE(spy->messages.first().kind, 1);
    QCOMPARE(spy->lastText(), QStringLiteral("同步本地基础数据失败"));
    QCOMPARE(text(local, QStringLiteral("SELECT NAME FROM CUSTOMER WHERE ID = 1")), QStringLiteral("新客户"));
    QCOMPARE(text(local, QStringLiteral("SELECT NAME FROM DEPT WHERE ID = 1")), QStringLiteral("销售部"));
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM PLACE")), 2);
    QCOMPARE(text(local, QStringLiteral("SELECT NAME FROM PLACE WHERE ID = 1")), QStringLiteral("佛山"));
    QCOMPARE(count(local, QStringLiteral("SELECT COUNT(*) FROM PRODSTOCK")), 1); // later tables untouched
}

void TestLocalFile::progressWindowClosesWithoutFlag()
{
    db->exec(QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME) VALUES (1, 'C1', '新客户')"));
    TfrmProgress window(db->server(), db->local());
    window.lbldnload->setText(QStringLiteral("正在同步Customer表数据，请稍候......"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SaveScreenshot(&window, QStringLiteral("frmProgress"));
    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(count(db->local(), QStringLiteral("SELECT COUNT(*) FROM CUSTOMER")), 0);
    QVERIFY(spy->messages.isEmpty());
}

QTEST_MAIN(TestLocalFile)
#include "tst_localfile.moc"
