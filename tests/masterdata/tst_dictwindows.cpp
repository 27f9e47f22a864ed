// The dictionary windows: who may edit what, the staff, customer, bank and product
// windows' own rules, the drop-down columns and the product picker.
#include "DictFixture.h"
#include "Passwords.h"
#include "frmProduct.h"

#include <QDir>
#include <QStandardItemModel>
#include <QTimer>

class TestDictWindows : public QObject
{
    Q_OBJECT
private slots:
    void everyMenuItemOpensItsWindow_data();
    void everyMenuItemOpensItsWindow();
    void editSwitchByRole_data();
    void editSwitchByRole();
    void newStaffMember();
    void staffRoleOnlyByAdministrator_data();
    void staffRoleOnlyByAdministrator();
    void staffIsNeverDeleted();
    void pinyinFollowsName_data();
    void pinyinFollowsName();
    void dropDownColumns_data();
    void dropDownColumns();
    void newRowDefaultsAndOrder();
    void bankAccountsFollowTheBank();
    void productListOpensStockWindow();
    void pickerMovesBillLineCursor_data();
    void pickerMovesBillLineCursor();
    void screenshots();
};

void TestDictWindows::everyMenuItemOpensItsWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    const char *rows[][2] = {{"nProduct", "库存物料编码表"}, {"N7", "产品分类表"},   {"nStore", "成品仓库编码表"},
                             {"N6", "仓位表"},             {"N4", "压机编号表"},     {"nInventory", "原料编码表"},
                             {"nDept", "科室部门表"},      {"nStaff", "员工编码表"}, {"nWorkKind", "工种类别表"},
                             {"nSupplier", "供应商编码表"}, {"nCustomer", "客户编码表"}, {"nBanks", "银行编码表"},
                             {"nTranSport", "运输车队表"}, {"nPlace", "地区表"},     {"nSysParam", "frmSysParam"}};
    for (const auto &r : rows)
        QTest::newRow(r[0]) << QString::fromUtf8(r[0]) << QString::fromUtf8(r[1]);
}

void TestDictWindows::everyMenuItemOpensItsWindow()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    DictFixture f;
    auto w = f.open(item);
    QCOMPARE(w->windowTitle(), caption);
    QVERIFY(f.spy->messages.isEmpty());
    QVERIFY(!CreateDictionary(QStringLiteral("nRefreshData")));
    QVERIFY(!OpenDictionary(QStringLiteral("nNoSuchItem")));
}

void TestDictWindows::editSwitchByRole_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("refusal"); // empty: editing is allowed
    const QString noRight = QStringLiteral("你没有权限修改！");
    QTest::newRow("classes C") << "N7" << "C" << QString();
    QTest::newRow("classes without C") << "N7" << "ABDE" << QStringLiteral("你没有权限修改产品分类编码表！");
    QTest::newRow("warehouses C") << "nStore" << "C" << QString();
    QTest::newRow("warehouses without C") << "nStore" << "ABDE" << noRight;
    QTest::newRow("positions C") << "N6" << "C" << QString();
    QTest::newRow("positions without C") << "N6" << "D" << noRight;
    QTest::newRow("presses E") << "N4" << "E" << QString();
    QTest::newRow("presses without E") << "N4" << "ABCD" << noRight;
    QTest::newRow("materials D") << "nInventory" << "D" << QString();
    QTest::newRow("materials without D") << "nInventory" << "C" << noRight;
    QTest::newRow("departments D") << "nDept" << "XD" << QString();
    QTest::newRow("departments without D") << "nDept" << "E" << noRight;
    QTest::newRow("staff A") << "nStaff" << "A" << QString();
    QTest::newRow("staff E") << "nStaff" << "E" << QString();
    QTest::newRow("staff without A or E") << "nStaff" << "BCD" << noRight;
    QTest::newRow("work kinds E") << "nWorkKind" << "E" << QString();
    QTest::newRow("work kinds without E") << "nWorkKind" << "A" << noRight;
    QTest::newRow("suppliers D") << "nSupplier" << "D" << QString();
    QTest::newRow("suppliers without D") << "nSupplier" << "B" << noRight;
    QTest::newRow("customers B") << "nCustomer" << "B" << QString();
    QTest::newRow("customers without B") << "nCustomer" << "ACDE" << noRight;
    QTest::newRow("banks B") << "nBanks" << "B" << QString();
    QTest::newRow("banks without B") << "nBanks" << "ACDE" << QStringLiteral("你没有权限！");
    QTest::newRow("hauliers anybody") << "nTranSport" << "" << QString();
    QTest::newRow("places A") << "nPlace" << "A" << QString();
    QTest::newRow("places without A") << "nPlace" << "E" << noRight;
    QTest::newRow("parameters anybody") << "nSysParam" << "" << QString();
}

void TestDictWindows::editSwitchByRole()
{
    QFETCH(QString, item);
    QFETCH(QString, role);
    QFETCH(QString, refusal);
    DictFixture f(role);
    auto w = f.open(item);
    pressModify(w.get());
    const bool allowed = refusal.isEmpty();
    QCOMPARE(w->isEditing(), allowed);
    QCOMPARE(child<QPushButton>(w.get(), "btnModify")->isChecked(), allowed);
    QCOMPARE(child<QPushButton>(w.get(), "btnOK")->isHidden(), allowed);
    if (TDictGrid *accounts = gridOf(w.get(), "dbgAccount"))
        QCOMPARE(accounts->isEditing(), allowed);
    if (allowed) {
        QVERIFY(f.spy->messages.isEmpty());
    } else {
        QCOMPARE(f.spy->messages.size(), 1);
        QCOMPARE(f.spy->messages.first().kind, int(mbError));
        QCOMPARE(f.spy->lastText(), refusal);
    }
}

void TestDictWindows::newStaffMember()
{
    DictFixture f(QStringLiteral("E"));
    auto w = f.open(QStringLiteral("nStaff"));
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    QTest::keyClick(g, Qt::Key_Insert);
    const int row = g->currentRowIndex();
    QCOMPARE(w->currentValue(QStringLiteral("ID")).toInt(), 2);
    typeCell(g, row, QStringLiteral("NUMCODE"), QStringLiteral("002"));
    typeCell(g, row, QStringLiteral("NAME"), QStringLiteral("李四"));
    QCOMPARE(g->model()->index(row, g->dictModel()->columnOf(QStringLiteral("PSW"))).data().toString(), QStringLiteral("****"));
    QTest::keyClick(g, Qt::Key_F2); // back to browsing writes the row

    QVERIFY(f.spy->messages.isEmpty());
    QCOMPARE(f.scalar(QStringLiteral("SELECT ISACTIVE FROM STAFF WHERE ID = 2")).toInt(), 1);
    QCOMPARE(f.scalar(QStringLiteral("SELECT PYCODE FROM STAFF WHERE ID = 2")).toString(), QStringLiteral("ls"));
    const QString stored = f.scalar(QStringLiteral("SELECT PSW FROM STAFF WHERE ID = 2")).toString();
    QVERIFY(Passwords::isHash(stored));
    QVERIFY(Passwords::verify(stored, QStringLiteral("0")));
    QVERIFY(!g->dictModel()->flags(g->model()->index(row, g->dictModel()->columnOf(QStringLiteral("PSW")))).testFlag(Qt::ItemIsEditable));
}

void TestDictWindows::staffRoleOnlyByAdministrator_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("mayChangeRole");
    QTest::newRow("cashier") << QStringLiteral("E") << false;
    QTest::newRow("administrator") << QStringLiteral("A") << true;
}

void TestDictWindows::staffRoleOnlyByAdministrator()
{
    QFETCH(QString, role);
    QFETCH(bool, mayChangeRole);
    DictFixture f(role);
    TestStaff::add(f.db.server(), 2, QStringLiteral("002"), QStringLiteral("李四"), QStringLiteral("D"));
    auto w = f.open(QStringLiteral("nStaff"));
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    typeCell(g, 1, QStringLiteral("TEL"), QStringLiteral("13800000000"));
    typeCell(g, 1, QStringLiteral("ROLE"), QStringLiteral("ABCDE"));
    QTest::keyClick(g, Qt::Key_Up);

    QCOMPARE(f.scalar(QStringLiteral("SELECT TEL FROM STAFF WHERE ID = 2")).toString(), QStringLiteral("13800000000"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT ROLE FROM STAFF WHERE ID = 2")).toString(),
             mayChangeRole ? QStringLiteral("ABCDE") : QStringLiteral("D"));
    if (mayChangeRole) {
        QVERIFY(f.spy->messages.isEmpty());
    } else {
        QCOMPARE(f.spy->messages.size(), 1);
        QCOMPARE(f.spy->messages.first().kind, int(mbError));
        QCOMPARE(f.spy->lastText(), QStringLiteral("只有系统管理员才能修改员工权限！"));
    }
}

void TestDictWindows::staffIsNeverDeleted()
{
    DictFixture f(QStringLiteral("A"));
    auto w = f.open(QStringLiteral("nStaff"));
    pressModify(w.get());
    QTest::keyClick(gridOf(w.get()), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.spy->messages.size(), 1);
    QCOMPARE(f.spy->messages.first().kind, int(mbInformation));
    QCOMPARE(f.spy->lastText(), QStringLiteral("为了数据安全性，暂时先不允许删除数据。如果录入错了，请把员工设置为不在职。"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM STAFF")).toInt(), 1);
    QCOMPARE(gridOf(w.get())->dictModel()->rowCount(), 1);
}

void TestDictWindows::pinyinFollowsName_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pinyin");
    QTest::newRow("customer") << "nCustomer" << "CUSTOMER" << "华美陶瓷" << "hmtc";
    QTest::newRow("supplier") << "nSupplier" << "SUPPLIER" << "华美陶瓷" << "hmtc";
    QTest::newRow("staff") << "nStaff" << "STAFF" << "张三" << "zs";
    QTest::newRow("long name cut to the column") << "nCustomer" << "CUSTOMER" << "一二三四五六七八九十一二"
                                                  << "yesswlqbjs";
}

void TestDictWindows::pinyinFollowsName()
{
    QFETCH(QString, item);
    QFETCH(QString, table);
    QFETCH(QString, name);
    QFETCH(QString, pinyin);
    DictFixture f;
    if (table != QLatin1String("STAFF")) // staff 1 is the operator
        f.run(QStringLiteral("INSERT INTO %1 (ID, NAME, PYCODE) VALUES (1, '旧名', 'jm')").arg(table));
    auto w = f.open(item);
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    const int row = g->dictModel()->findRow(QStringLiteral("ID"), 1);
    typeCell(g, row, QStringLiteral("NAME"), name);
    QVERIFY(g->postCurrent());
    QCOMPARE(f.scalar(QStringLiteral("SELECT PYCODE FROM %1 WHERE ID = 1").arg(table)).toString(), pinyin);
}

void TestDictWindows::dropDownColumns_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("lookupTable");
    QTest::newRow("customer region") << "nCustomer" << "CUSTOMER" << "PLACEID" << "PLACE";
    QTest::newRow("class parent") << "N7" << "PRODKIND" << "PARENT" << "PRODKIND";
    QTest::newRow("position warehouse") << "N6" << "STOREPOS" << "STOREID" << "STORE";
    QTest::newRow("press class") << "N4" << "PRSNO" << "PRODKINDID" << "PRODKIND";
    QTest::newRow("staff department") << "nStaff" << "STAFF" << "DEPID" << "DEPT";
    QTest::newRow("staff work kind") << "nStaff" << "STAFF" << "WORKKINDID" << "WORKKIND";
}

void TestDictWindows::dropDownColumns()
{
    QFETCH(QString, item);
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, lookupTable);
    DictFixture f;
    f.run(QStringLiteral("INSERT INTO %1 (ID, NUMCODE, NAME) VALUES (7, 'L7', '查找项')").arg(lookupTable));
    const QString keyField = table == QLatin1String("PRSNO") ? QStringLiteral("PRSNO") : QStringLiteral("ID");
    if (table == QLatin1String("PRSNO"))
        f.run(QStringLiteral("INSERT INTO PRSNO (PRSNO) VALUES ('1')"));
    else if (table != QLatin1String("STAFF"))
        f.run(QStringLiteral("INSERT INTO %1 (ID) VALUES (1)").arg(table));
    auto w = f.open(item);
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    const int row = g->dictModel()->findRow(keyField, table == QLatin1String("PRSNO") ? QVariant(QStringLiteral("1")) : QVariant(1));
    chooseCell(g, row, field, 7);
    QVERIFY(g->postCurrent());
    QCOMPARE(f.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = '1'").arg(field, table, keyField)).toInt(), 7);
    QCOMPARE(g->model()->index(row, g->dictModel()->columnOf(field)).data().toString(), QStringLiteral("查找项"));
    QVERIFY(f.spy->messages.isEmpty());
}

void TestDictWindows::newRowDefaultsAndOrder()
{
    DictFixture f;
    f.run(QStringLiteral("DELETE FROM SYSPARAM"));
    f.run(QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, NAME, ISWAS) VALUES (3, 'A', 'c', 1), (1, 'C', 'a', 0), (2, 'B', 'b', 1)"));
    auto params = f.open(QStringLiteral("nSysParam"));
    TDictModel *pm = gridOf(params.get())->dictModel();
    QCOMPARE(pm->value(0, QStringLiteral("ID")).toInt(), 1);
    QCOMPARE(pm->value(2, QStringLiteral("ID")).toInt(), 3);
    QCOMPARE(pm->index(0, pm->columnOf(QStringLiteral("ISWAS"))).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(pm->index(1, pm->columnOf(QStringLiteral("ISWAS"))).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    params->close();

    auto w = f.open(QStringLiteral("nWorkKind"));
    TDictGrid *g = gridOf(w.get());
    pressModify(w.get());
    QTest::keyClick(g, Qt::Key_Insert);
    typeCell(g, 0, QStringLiteral("NAME"), QStringLiteral("压机工"));
    QVERIFY(g->postCurrent());
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM WORKKIND WHERE ID = 1 AND WORKPNT = 0 AND WORKPRICE = 0")).toInt(), 1);
}

void TestDictWindows::bankAccountsFollowTheBank()
{
    DictFixture f(QStringLiteral("B"));
    f.run(QStringLiteral("INSERT INTO BANKS (ID, NUMCODE, NAME) VALUES (1, 'B1', '工商银行'), (2, 'B2', '农业银行')"));
    f.run(QStringLiteral("INSERT INTO CUSACC (CUSID, BANKID, ACCNO) VALUES (5, 1, '1001'), (NULL, 2, '2002'), (NULL, 2, '2009')"));
    auto w = f.open(QStringLiteral("nBanks"));
    TDictGrid *banks = gridOf(w.get());
    TDictGrid *accounts = gridOf(w.get(), "dbgAccount");
    QCOMPARE(accounts->dictModel()->rowCount(), 1);
    banks->goToRow(1);
    QCOMPARE(accounts->dictModel()->rowCount(), 2);

    pressModify(w.get());
    QVERIFY(accounts->isEditing());
    accounts->setFocus();
    QTest::keyClick(accounts, Qt::Key_Insert);
    typeCell(accounts, accounts->currentRowIndex(), 0, QStringLiteral("2005"));
    QVERIFY(accounts->postCurrent());
    QTRY_COMPARE(accounts->dictModel()->value(1, QStringLiteral("ACCNO")).toString(), QStringLiteral("2005"));
    QCOMPARE(accounts->currentRowIndex(), 1); // read again in account order, on the new account
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM CUSACC WHERE BANKID = 2 AND ACCNO = '2005' AND CUSID IS NULL")).toInt(), 1);

    f.spy->answer(mrCancel);
    QTest::keyClick(accounts, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.spy->lastText(), QStringLiteral("删除当前行的记录吗？"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM CUSACC")).toInt(), 4);
    f.spy->answer(mrOk);
    QTest::keyClick(accounts, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM CUSACC WHERE ACCNO = '2005'")).toInt(), 0);
    QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM CUSACC")).toInt(), 3);

    pressModify(w.get());
    QVERIFY(!accounts->isEditing());
}

void TestDictWindows::productListOpensStockWindow()
{
    DictFixture f;
    f.run(QStringLiteral("INSERT INTO PRODUCT (ID, NUMCODE, NAME) VALUES (1, 'P1', '抛光砖'), (2, 'P2', '仿古砖')"));
    auto w = f.open(QStringLiteral("nProduct"));
    TDictGrid *g = gridOf(w.get());
    QVERIFY(!child<QPushButton>(w.get(), "btnModify")->isEnabled());
    QCOMPARE(child<QLabel>(w.get(), "lbStatus")->text(), QStringLiteral("回车/鼠标双击：进入编辑界面"));
    QTest::keyClick(g, Qt::Key_F2);
    QVERIFY(!w->isEditing());
    QTest::keyClick(g, Qt::Key_Return); // no stock window yet: nothing happens
    QVERIFY(w->isVisible());

    QList<int> opened;
    TfrmProduct::setStockOpener([&](int id, QWidget *) {
        opened << id;
        f.run(QStringLiteral("UPDATE PRODUCT SET NAME = '改过的' WHERE ID = :ID"), {{"ID", id}});
    });
    g->goToRow(1);
    QTest::keyClick(g, Qt::Key_Return);
    const QRect cell = g->visualRect(g->model()->index(1, 2));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    TfrmProduct::setStockOpener({});
    QCOMPARE(opened, (QList<int>{2, 2}));
    QVERIFY(w->isVisible());
    // After the double click the list is read again, on the same product.
    QCOMPARE(w->currentValue(QStringLiteral("ID")).toInt(), 2);
    QCOMPARE(w->currentValue(QStringLiteral("NAME")).toString(), QStringLiteral("改过的"));
}

void TestDictWindows::pickerMovesBillLineCursor_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestDictWindows::pickerMovesBillLineCursor()
{
    QFETCH(bool, confirm);
    DictFixture f;
    f.run(QStringLiteral("INSERT INTO PRODUCT (ID, NUMCODE, NAME, SPEC, PYCODE, UNIT) VALUES "
                         "(1, 'P001', '抛光砖', '800x800', 'pgz', '件'), (2, 'P002    ', '仿古砖  ', '600x600 ', 'fgz', '件')"));
    // A bill's lines, as the bill windows keep them: the product code of each line.
    QStandardItemModel lines;
    for (const char *code : {"P001", "P001", "P002", "P002"})
        lines.appendRow(new QStandardItem(QString::fromLatin1(code)));
    int lineCursor = 0;

    QTimer::singleShot(0, [&] {
        auto *picker = qobject_cast<TfrmProduct *>(QApplication::activeModalWidget());
        QVERIFY(picker);
        QCOMPARE(gridOf(picker)->dictModel()->rowCount(), 1); // the keyword filtered the list
        QTest::mouseClick(child<QPushButton>(picker, confirm ? "btnOK" : "btnCancel"), Qt::LeftButton);
    });
    TInventory inv;
    inv.InvNo = QStringLiteral("left over");
    const bool picked = PickProduct(inv, QStringLiteral("仿古"));
    if (picked) {
        const auto found = lines.match(lines.index(0, 0), Qt::DisplayRole, inv.InvNo, 1, Qt::MatchExactly);
        if (!found.isEmpty())
            lineCursor = found.first().row();
    }
    QCOMPARE(picked, confirm);
    if (confirm) {
        QCOMPARE(inv.InvID, 2);
        QCOMPARE(inv.InvNo, QStringLiteral("P002"));
        QCOMPARE(inv.InvName, QStringLiteral("仿古砖"));
        QCOMPARE(inv.InvStd, QStringLiteral("600x600"));
        QCOMPARE(inv.PYCode, QStringLiteral("fgz"));
        QCOMPARE(inv.Unit, QStringLiteral("件"));
        QCOMPARE(lineCursor, 2);
    } else {
        QCOMPARE(inv.InvID, 0);
        QVERIFY(inv.InvNo.isEmpty());
        QCOMPARE(lineCursor, 0);
    }
}

void TestDictWindows::screenshots()
{
    if (TestDatabase::engineUnderTest() != Engine::SQLite)
        QSKIP("one set of pictures is enough");
    DictFixture f(QStringLiteral("AB"));
    f.run(QStringLiteral("INSERT INTO DEPT (ID, NUMCODE, NAME) VALUES (1, '01', '销售部'), (2, '02', '财务部')"));
    f.run(QStringLiteral("INSERT INTO WORKKIND (ID, NUMCODE, NAME) VALUES (1, '01', '收款')"));
    f.run(QStringLiteral("INSERT INTO PLACE (ID, NUMCODE, NAME) VALUES (1, '0757', '佛山'), (2, '020', '广州')"));
    f.run(QStringLiteral("UPDATE STAFF SET NAME = '张三', PYCODE = 'zs', DEPID = 1, WORKKINDID = 1, "
                         "IDCARD = '440600199001010011', TEL = '13800000000', ADDR = '佛山市禅城区' WHERE ID = 1"));
    TestStaff::add(f.db.server(), 2, QStringLiteral("002"), QStringLiteral("李四"), QStringLiteral("E"), QStringLiteral("0"), 2);
    for (int i = 1; i <= 12; ++i)
        f.run(QStringLiteral("INSERT INTO CUSTOMER (ID, NUMCODE, NAME, PYCODE, PLACEID, ABBRNAME, TEL, CONTACT, ADDR) "
                             "VALUES (:ID, :NO, :NAME, 'hmjc', :PLACE, '华美', '0757-8000000', '王经理', '佛山市南海区')"),
              {{"ID", i}, {"NO", QStringLiteral("C%1").arg(i, 3, 10, QChar(u'0'))}, {"NAME", QStringLiteral("华美建材%1店").arg(i)},
               {"PLACE", 1 + i % 2}});
    f.run(QStringLiteral("INSERT INTO BANKS (ID, NUMCODE, NAME, PYCODE) VALUES (1, '01', '中国工商银行佛山分行', 'zggs'), (2, '02', '农业银行', 'nyyh')"));
    f.run(QStringLiteral("INSERT INTO CUSACC (BANKID, ACCNO) VALUES (1, '6222020200112233'), (1, '6222020200998877')"));
    for (int i = 1; i <= 12; ++i)
        f.run(QStringLiteral("INSERT INTO PRODUCT (ID, NUMCODE, NAME, SPEC, SELLUNIT, UNIT, FIRSTPRICE, SECONDPRICE, THIRDPRICE) "
                             "VALUES (:ID, :NO, :NAME, '800x800', '箱', '件', 96.5, 88, 70)"),
              {{"ID", i}, {"NO", QStringLiteral("P%1").arg(i, 4, 10, QChar(u'0'))}, {"NAME", QStringLiteral("抛光砖%1号").arg(i)}});

    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots");
    QVERIFY(QDir().mkpath(dir));
    for (const char *item : {"nStaff", "nCustomer", "nBanks", "nProduct"}) {
        auto w = f.open(QString::fromLatin1(item));
        if (QLatin1String(item) != QLatin1String("nProduct"))
            pressModify(w.get());
        QCoreApplication::processEvents();
        QVERIFY(w->grab().save(dir + QStringLiteral("/%1.png").arg(w->objectName())));
    }
}

QTEST_MAIN(TestDictWindows)
#include "tst_dictwindows.moc"
