#include "Rows.h"
#include "Sheet.h"
#include "SheetFill.h"
#include "TestDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QtTest>

// Rows straight from the database, on both engines: types decide numeric columns, and a
// model is read to its end (SQLite hands a model 256 rows at a time).
class TestQueryRows : public QObject
{
    Q_OBJECT
private slots:
    void queryAndModelAdapters();
};

static const char *kSql =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
    "SELECT i AS NO, 'P' || CAST(i AS VARCHAR(10)) AS NAME, CAST(i AS FLOAT) * 1.5 AS AMT, "
    "CAST(NULL AS VARCHAR(10)) AS NOTE FROM n ORDER BY i";

void TestQueryRows::queryAndModelAdapters()
{
    TestDatabase db;
    QSqlQuery q(db.server());
    q.setForwardOnly(true);
    QVERIFY2(q.exec(QString::fromLatin1(kSql)), qPrintable(q.lastError().text()));
    RowList rows = RowList::fromQuery(q);

    QSqlQueryModel model;
    model.setQuery(QString::fromLatin1(kSql), db.server());
    ModelRows modelRows(&model);

    for (Rows *r : {static_cast<Rows *>(&rows), static_cast<Rows *>(&modelRows)}) {
        QCOMPARE(r->rowCount(), 300);
        QCOMPARE(r->fieldCount(), 4);
        QVERIFY(r->fields()[r->indexOf("AMT")].numeric);
        QVERIFY(!r->fields()[r->indexOf("NAME")].numeric);
        QCOMPARE(r->fields()[r->indexOf("AMT")].alignment, Qt::AlignRight);
        QCOMPARE(r->value(299, "NAME").toString(), QString("P300"));
        QVERIFY(r->value(0, "NOTE").isNull());
        QCOMPARE(r->displayText(0, r->indexOf("NOTE")), QString());

        r->field("AMT").tag = TagSum;
        r->field("AMT").format = "#,##0.00";
        Sheet s;
        F1BookInputs in;
        in.Rows = r;
        SheetFill::prepare(s, in);
        const FillResult f = SheetFill::fill(s, in, nullptr);
        QCOMPARE(s.number(f.totalsRow, 2 + r->indexOf("AMT")), 67725.0);
        QCOMPARE(s.text(f.totalsRow, 1), QString("合计： 300项"));
    }
}

QTEST_MAIN(TestQueryRows)
#include "tst_queryrows.moc"
