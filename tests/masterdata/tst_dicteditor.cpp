// The dictionary editor as every dictionary window inherits it: search, states, row
// writing, refusals. Driven through real windows on both engines.
#include "DictFixture.h"
#include "DBNavigator.h"

#include <QToolButton>

class TestDictEditor : public QObject
{
    Q_OBJECT
private slots:
    void filterOnThirdField_data();
    void filterOnThirdField();
    void exactSearchOnSecondField_data();
    void exactSearchOnSecondField();
    void swappedSearchFields_data();
    void swappedSearchFields();
    void f2SwitchesBetweenStates();
    void insertedRowsNumberFromOne();
    void collidingInsertTakesNextFreeId();
    void refusedInsertStaysForCorrection();
    void typedTextIsCheckedByColumn_data();
    void typedTextIsCheckedByColumn();
    void cancelGivesUpCurrentRowOnly_data();
    void cancelGivesUpCurrentRowOnly();
    void pendingRowIsWrittenBeforeLeaving_data();
    void pendingRowIsWrittenBeforeLeaving();
    void deleteAsksFirst();
    void windowResult_data();
    void windowResult();
};

namespace {

void addCustomers(const DictFixture &f)
{
    const QStringList rows = {QStringLiteral("C001|华美建材"), QStringLiteral("C002|华美陶瓷"),
                              QStringLiteral("C003  |鑫源%商行"), QStringLiteral("C004|O'Brien")};
    int id = 0;
    for (const QString &r : rows)
        f.run(QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME) VALUES (:ID, :NO, :NAME)"),
              {{"ID", ++id}, {"NO", r.section(u'|', 0, 0)}, {"NAME", r.section(u'|', 1)}});
}

QToolButton *navButton(QWidget *w, const char *name) { return child<TDBNavigator>(w, "nav")->button(QString::fromLatin1(name)); }

} // namespace

void TestDictEditor::filterOnThirdField_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("count");
    QTest::newRow("empty keyword shows all") << QString() << 4;
    QTest::newRow("substring") << QStringLiteral("华美") << 2;
    QTest::newRow("no match") << QStringLiteral("不存在") << 0;
    QTest::newRow("percent is plain text") << QStringLiteral("%") << 1;
    QTest::newRow("quote is plain text") << QStringLiteral("'") << 1;
    QTest::newRow("sql is plain text") << QStringLiteral("' OR '1'='1") << 0;
    QTest::newRow("case matters") << QStringLiteral("o'brien") << 0;
    QTest::newRow("code is not searched") << QStringLiteral("C001") << 0;
}

void TestDictEditor::filterOnThirdField()
{
    QFETCH(QString, keyword);
    QFETCH(int, count);
    DictFixture f;
    addCustomers(f);
    auto w = f.open(QStringLiteral("nCustomer"));
    QCOMPARE(countText(w.get()), QStringLiteral("记录数：4"));
    search(w.get(), keyword, false);
    QCOMPARE(countText(w.get()), QStringLiteral("记录数：%1").arg(count));
    QCOMPARE(gridOf(w.get())->dictModel()->rowCount(), count);
    QVERIFY(f.spy->messages.isEmpty());
    if (count > 0)
        QCOMPARE(gridOf(w.get())->currentIndex().column(), 1);

    QTest::mouseClick(child<QPushButton>(w.get(), "btnReset"), Qt::LeftButton);
    QCOMPARE(countText(w.get()), QStringLiteral("记录数：4"));
}

void TestDictEditor::exactSearchOnSecondField_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("id");
    QTest::newRow("code") << QStringLiteral("C002") << 2;
    QTest::newRow("typed with trailing blanks") << QStringLiteral("C002  ") << 2;
    QTest::newRow("stored with trailing blanks") << QStringLiteral("C003") << 3;
    QTest::newRow("no match stays") << QStringLiteral("C999") << 4;
    QTest::newRow("case matters") << QStringLiteral("c002") << 4;
    QTest::newRow("name is not searched") << QStringLiteral("华美陶瓷") << 4;
}

void TestDictEditor::exactSearchOnSecondField()
{
    QFETCH(QString, keyword);
    QFETCH(int, id);
    DictFixture f;
    addCustomers(f);
    auto w = f.open(QStringLiteral("nCustomer"));
    gridOf(w.get())->goToRow(3);
    search(w.get(), keyword, true);
    QCOMPARE(w->currentValue(QStringLiteral("ID")).toInt(), id);
    QCOMPARE(countText(w.get()), QStringLiteral("记录数：4")); // the filter is left alone
    QVERIFY(gridOf(w.get())->hasFocus());
}

void TestDictEditor::swappedSearchFields_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("table");
    QTest::newRow("departments") << QStringLiteral("nDept") << QStringLiteral("DEPT");
    QTest::newRow("banks") << QStringLiteral("nBanks") << QStringLiteral("BANKS");
}

void TestDictEditor::swappedSearchFields()
{
    QFETCH(QString, item);
    QFETCH(QString, table);
    DictFixture f;
    const QStringList rows = {QStringLiteral("01|销售部"), QStringLiteral("02|财务部"), QStringLiteral("财务部|仓库")};
    int id = 0;
    for (const QString &r : rows)
        f.run(QStringLiteral("INSERT INTO %1 (ID, NUMCODE, NAME) VALUES (:ID, :NO, :NAME)").arg(table),
              {{"ID", ++id}, {"NO", r.section(u'|', 0, 0)}, {"NAME", r.section(u'|', 1)}});
    auto w = f.open(item);
    search(w.get(), QStringLiteral("财务部"), true); // the name, not the code "财务部" of row 3
    QCOMPARE(w->currentValue(QStringLiteral("ID")).toInt(), 2);
    search(w.get(), QStringLiteral("0"), false); // codes containing "0"
    QCOMPARE(countText(w.get()), QStringLiteral("记录数：2"));
}

void TestDictEditor::f2SwitchesBetweenStates()
{
    DictFixture f;
    addCustomers(f);
    auto w = f.open(QStringLiteral("nCustomer"));
    TDictGrid *g = gridOf(w.get());
    QVERIFY(!g->dictModel()->flags(g->dictModel()->index(0, 2)).testFlag(Qt::ItemIsEditable));
    QVERIFY(child<QWidget>(w.get(), "nav")->isHidden());

    QTest::keyClick(g, Qt::Key_F2);
    QVERIFY(w->isEditing());
    QVERIFY(child<QPushButton>(w.get(), "btnModify")->isChecked());
    QVERIFY(!child<QWidget>(w.get(), "nav")->isHidden());
    QVERIFY(child<QPushButton>(w.get(), "btnOK")->isHidden());
    QVERIFY(child<QPushButton>(w.get(), "btnCancel")->isHidden());
    QVERIFY(g->dictModel()->flags(g->dictModel()->index(0, 2)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!g->dictModel()->flags(g->dictModel()->index(0, 0)).testFlag(Qt::ItemIsEditable)); // the ID is given
    QCOMPARE(g->dictModel()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(0x80, 0, 0x80));

    QTest::keyClick(g, Qt::Key_F2);
    QVERIFY(!w->isEditing());
    QVERIFY(child<QWidget>(w.get(), "nav")->isHidden());
    QVERIFY(!child<QPushButton>(w.get(), "btnOK")->isHidden());
    QCOMPARE(g->dictModel()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));
}

void TestDictEditor::insertedRowsNumberFromOne()
{
    DictFixture f;
    auto w = f.open(QStringLiteral("nDept"));
    TDictGrid *g = gridOf(w.get());
    QTest::keyClick(g, Qt::Key_F2);
    QTest::keyClick(g, Qt::Key_Insert);
    QCOMPARE(w->currentValue(QStringLiteral("ID")).toInt(), 1);
    typeCell(g, 0, QStringLiteral("NAME"), QStringLiteral("销售部"));
    typeCell(g, 0, QStringLiteral("NUMCODE"), QStringLiteral("D01"));
    QTest::mouseClick(navButton(w.get(), "nbPost"), Qt::LeftButton); // confirmed on the navigator
    QCOMPARE(f.scalar(QStringLiteral("SELECT NAME FROM DEPT WHERE ID = 1")).toString(), QStringLiteral("销售部"));

    QTest::keyClick(g, Qt::Key_Insert);
    QCOMPARE(w->currentValue(QStringLiteral("ID")).toInt(), 2);
    typeCell(g, 0, QStringLiteral("NAME"), QStringLiteral("财务部"));
    QTest::keyClick(g, Qt::Key_Down); // leaving the row writes it
    QCOMPARE(f.scalar(QStringLiteral("SELECT NAME FROM DEPT WHERE ID = 2")).toString(), QStringLiteral("财务部"));
    QVERIFY(f.spy->messages.isEmpty());
}

void TestDictEditor::collidingInsertTakesNextFreeId()
{
    DictFixture f;
    addCustomers(f);
    auto w = f.open(QStringLiteral("nCustomer"));
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    QTest::keyClick(g, Qt::Key_Insert);
    QCOMPARE(w->currentValue(QStringLiteral("ID")).toInt(), 5);
    // Another workstation saves its customer 5 first.
    QSqlDatabase other = f.db.openServerConnection(QStringLiteral("other-workstation"));
    Sql::run(other, QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME) VALUES (5, 'C005', '别处录入')"));
    typeCell(g, g->currentRowIndex(), QStringLiteral("NAME"), QStringLiteral("新客户"));
    QTest::mouseClick(navButton(w.get(), "nbPost"), Qt::LeftButton);

    QVERIFY(f.spy->messages.isEmpty());
    QCOMPARE(f.scalar(QStringLiteral("SELECT ID FROM CUSTOMER WHERE NAME = '新客户'")).toInt(), 6);
    QCOMPARE(f.scalar(QStringLiteral("SELECT NAME FROM CUSTOMER WHERE ID = 5")).toString(), QStringLiteral("别处录入"));
    QCOMPARE(w->currentValue(QStringLiteral("ID")).toInt(), 6);
    QVERIFY(!g->dictModel()->isDirty(g->currentRowIndex()));
}

void TestDictEditor::refusedInsertStaysForCorrection()
{
    DictFixture f;
    f.run(QStringLiteral("INSERT INTO PRSNO (PRSNO, WORKSHOP) VALUES ('P1', 'W1'), ('P3', 'W3')"));
    auto w = f.open(QStringLiteral("N4"));
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    g->goToRow(1);
    QTest::keyClick(g, Qt::Key_Insert);
    const int row = g->currentRowIndex();
    typeCell(g, row, QStringLiteral("PRSNO"), QStringLiteral("P1"));
    typeCell(g, row, QStringLiteral("WORKSHOP"), QStringLiteral("二车间"));

    QTest::keyClick(g, Qt::Key_Up); // leaving the row tries to write it
    QCOMPARE(f.spy->messages.size(), 1);
    QCOMPARE(f.spy->messages.first().kind, int(mbError));
    QVERIFY(!f.spy->lastText().isEmpty());
    QCOMPARE(g->currentRowIndex(), row);
    QVERIFY(g->dictModel()->isDirty(row));
    QCOMPARE(g->dictModel()->value(row, QStringLiteral("WORKSHOP")).toString(), QStringLiteral("二车间"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM PRSNO")).toInt(), 2);

    typeCell(g, row, QStringLiteral("PRSNO"), QStringLiteral("P2"));
    QTest::mouseClick(navButton(w.get(), "nbPost"), Qt::LeftButton);
    QCOMPARE(f.spy->messages.size(), 1);
    QCOMPARE(f.scalar(QStringLiteral("SELECT WORKSHOP FROM PRSNO WHERE PRSNO = 'P2'")).toString(), QStringLiteral("二车间"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT WORKSHOP FROM PRSNO WHERE PRSNO = 'P1'")).toString(), QStringLiteral("W1"));
}

void TestDictEditor::typedTextIsCheckedByColumn_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("refusal");
    const QString tooLong = QStringLiteral("一二三四五六七八九十一二三四五六七八九十多出");
    QTest::newRow("name cut at its width") << "nCustomer" << "CUSTOMER" << "NAME" << tooLong
                                            << QVariant(tooLong.left(20)) << QString();
    QTest::newRow("code cut at its width") << "nDept" << "DEPT" << "NUMCODE" << "12345678901234"
                                            << QVariant("1234567890") << QString();
    QTest::newRow("factor") << "nWorkKind" << "WORKKIND" << "WORKPNT" << "1.5" << QVariant(1.5) << QString();
    QTest::newRow("factor not a number") << "nWorkKind" << "WORKKIND" << "WORKPNT" << "abc" << QVariant(7.0)
                                          << QStringLiteral("工分值必须是数字！");
    QTest::newRow("price not a number") << "nInventory" << "INVENTORY" << "PRICE" << "1,5" << QVariant(7.0)
                                         << QStringLiteral("单价必须是数字！");
    QTest::newRow("fee not a number") << "N7" << "PRODKIND" << "PACKFEE" << "--1" << QVariant(7.0)
                                       << QStringLiteral("装车费/箱必须是数字！");
    QTest::newRow("class code beyond a small integer") << "nInventory" << "INVENTORY" << "KINDID" << "70000"
                                                       << QVariant(7) << QStringLiteral("分类必须是整数！");
}

void TestDictEditor::typedTextIsCheckedByColumn()
{
    QFETCH(QString, item);
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    QFETCH(QString, refusal);
    DictFixture f;
    f.run(QStringLiteral("INSERT INTO %1 (ID, NUMCODE, %2) VALUES (1, 'X', 7)").arg(table, field == "NUMCODE" ? "NAME" : field));
    auto w = f.open(item);
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    typeCell(g, 0, field, typed);
    QTest::mouseClick(navButton(w.get(), "nbPost"), Qt::LeftButton);
    if (refusal.isEmpty()) {
        QVERIFY(f.spy->messages.isEmpty());
    } else {
        QCOMPARE(f.spy->messages.size(), 1);
        QCOMPARE(f.spy->messages.first().kind, int(mbError));
        QCOMPARE(f.spy->lastText(), refusal);
    }
    const QVariant v = f.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE ID = 1").arg(field, table));
    if (stored.typeId() == QMetaType::Double)
        QCOMPARE(v.toDouble(), stored.toDouble());
    else if (stored.typeId() == QMetaType::Int)
        QCOMPARE(v.toInt(), stored.toInt());
    else
        QCOMPARE(v.toString(), stored.toString());
}

void TestDictEditor::cancelGivesUpCurrentRowOnly_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("navigator") << false;
    QTest::newRow("escape") << true;
}

void TestDictEditor::cancelGivesUpCurrentRowOnly()
{
    QFETCH(bool, byEscape);
    DictFixture f;
    addCustomers(f);
    auto w = f.open(QStringLiteral("nCustomer"));
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    typeCell(g, 0, QStringLiteral("CONTACT"), QStringLiteral("王经理"));
    QTest::keyClick(g, Qt::Key_Down);
    typeCell(g, 1, QStringLiteral("CONTACT"), QStringLiteral("李经理"));
    typeCell(g, 1, QStringLiteral("NAME"), QStringLiteral("改名"));
    if (byEscape)
        QTest::keyClick(g, Qt::Key_Escape);
    else
        QTest::mouseClick(navButton(w.get(), "nbCancel"), Qt::LeftButton);
    QVERIFY(w->isVisible());
    QCOMPARE(g->dictModel()->value(1, QStringLiteral("NAME")).toString(), QStringLiteral("华美陶瓷"));
    QVERIFY(g->dictModel()->value(1, QStringLiteral("CONTACT")).isNull());
    QCOMPARE(g->dictModel()->value(1, QStringLiteral("PYCODE")), QVariant());
    QTest::keyClick(g, Qt::Key_Up);
    QCOMPARE(f.scalar(QStringLiteral("SELECT CONTACT FROM CUSTOMER WHERE ID = 1")).toString(), QStringLiteral("王经理"));
    QVERIFY(f.scalar(QStringLiteral("SELECT CONTACT FROM CUSTOMER WHERE ID = 2")).isNull());
    QCOMPARE(f.scalar(QStringLiteral("SELECT NAME FROM CUSTOMER WHERE ID = 2")).toString(), QStringLiteral("华美陶瓷"));
}

void TestDictEditor::pendingRowIsWrittenBeforeLeaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("back to browsing") << QStringLiteral("modify");
    QTest::newRow("window closed") << QStringLiteral("close");
    QTest::newRow("search") << QStringLiteral("search");
}

void TestDictEditor::pendingRowIsWrittenBeforeLeaving()
{
    QFETCH(QString, how);
    DictFixture f;
    auto w = f.open(QStringLiteral("nTranSport"));
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    QTest::keyClick(g, Qt::Key_Insert);
    typeCell(g, 0, QStringLiteral("NAME"), QStringLiteral("顺达车队"));
    if (how == QLatin1String("modify"))
        pressModify(w.get());
    else if (how == QLatin1String("close"))
        w->close();
    else
        search(w.get(), QStringLiteral("顺达"), false);
    QCOMPARE(f.scalar(QStringLiteral("SELECT NAME FROM TRANSPORT WHERE ID = 1")).toString(), QStringLiteral("顺达车队"));
    QVERIFY(f.spy->messages.isEmpty());
}

void TestDictEditor::deleteAsksFirst()
{
    DictFixture f;
    addCustomers(f);
    auto w = f.open(QStringLiteral("nCustomer"));
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    g->goToRow(1);
    f.spy->answer(mrCancel);
    QTest::keyClick(g, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.spy->lastText(), QStringLiteral("删除当前行的记录吗？"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM CUSTOMER")).toInt(), 4);
    QTest::keyClick(g, Qt::Key_Delete); // without Ctrl nothing happens
    QCOMPARE(f.spy->messages.size(), 1);
    f.spy->answer(mrOk);
    QTest::keyClick(g, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM CUSTOMER")).toInt(), 3);
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM CUSTOMER WHERE ID = 2")).toInt(), 0);
    QCOMPARE(g->dictModel()->rowCount(), 3);
}

void TestDictEditor::windowResult_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("escape in keyword") << QStringLiteral("escape") << int(mrCancel);
    QTest::newRow("confirm") << QStringLiteral("ok") << int(mrOk);
    QTest::newRow("cancel") << QStringLiteral("cancel") << int(mrCancel);
    QTest::newRow("enter in grid while browsing") << QStringLiteral("enter") << int(mrOk);
}

void TestDictEditor::windowResult()
{
    QFETCH(QString, action);
    QFETCH(int, result);
    DictFixture f;
    addCustomers(f);
    auto w = f.open(QStringLiteral("nCustomer"));
    QVERIFY(child<QLineEdit>(w.get(), "edKeyWord")->hasFocus());
    if (action == QLatin1String("escape"))
        QTest::keyClick(child<QLineEdit>(w.get(), "edKeyWord"), Qt::Key_Escape);
    else if (action == QLatin1String("ok"))
        QTest::mouseClick(child<QPushButton>(w.get(), "btnOK"), Qt::LeftButton);
    else if (action == QLatin1String("cancel"))
        QTest::mouseClick(child<QPushButton>(w.get(), "btnCancel"), Qt::LeftButton);
    else
        QTest::keyClick(gridOf(w.get()), Qt::Key_Return);
    QVERIFY(!w->isVisible());
    QCOMPARE(w->result(), result);
}

QTEST_MAIN(TestDictEditor)
#include "tst_dicteditor.moc"
