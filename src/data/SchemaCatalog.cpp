#include "SchemaCatalog.h"

namespace Schema {

namespace {

Column C(const char *n, int w) { return {QString::fromLatin1(n), Type::Char, w}; }
Column V(const char *n, int w) { return {QString::fromLatin1(n), Type::VarChar, w}; }
Column S(const char *n) { return {QString::fromLatin1(n), Type::SmallInt}; }
Column I(const char *n) { return {QString::fromLatin1(n), Type::Integer}; }
Column F(const char *n) { return {QString::fromLatin1(n), Type::Float}; }
Column D(const char *n) { return {QString::fromLatin1(n), Type::Decimal}; }
Column T(const char *n) { return {QString::fromLatin1(n), Type::DateTime}; }
Column B(const char *n) { return {QString::fromLatin1(n), Type::Blob}; }
Column req(Column c) { c.required = true; return c; }

Index idx(std::initializer_list<const char *> cols, bool unique = false)
{
    Index i;
    for (const char *c : cols)
        i.columns << QString::fromLatin1(c);
    i.unique = unique;
    return i;
}

// A dictionary table: ID key, then the given columns.
Table dict(const char *name, QList<Column> cols, int where = Server, QList<Index> extra = {})
{
    Table t;
    t.name = QString::fromLatin1(name);
    t.columns = cols;
    t.primaryKey = {QStringLiteral("ID")};
    t.indexes = extra;
    t.where = where;
    return t;
}

Table header(const char *name, QList<Column> cols, QList<Index> extra = {}, int where = Server)
{
    Table t;
    t.name = QString::fromLatin1(name);
    t.columns = cols;
    t.indexes = extra;
    t.where = where;
    t.billHeader = true;
    return t;
}

Table lines(const char *name, QList<Column> cols, QList<Index> extra = {}, int where = Server)
{
    Table t;
    t.name = QString::fromLatin1(name);
    t.columns = cols;
    t.indexes << idx({"BILLNO", "SNO"}, true);
    t.indexes << extra;
    t.where = where;
    return t;
}

Table plain(const char *name, QList<Column> cols, QList<Index> extra = {}, int where = Server)
{
    Table t;
    t.name = QString::fromLatin1(name);
    t.columns = cols;
    t.indexes = extra;
    t.where = where;
    return t;
}

QList<Table> buildTables()
{
    const Column ID = req(S("ID"));
    QList<Table> t;

    // ---- master data -------------------------------------------------------------
    t << dict("PRODUCT", {ID, C("NUMCODE", 10), V("NAME", 60), V("SPEC", 60), C("SELLUNIT", 6),
                          C("PYCODE", 10), S("PRODKINDID"), C("UNIT", 6), F("FIRSTPRICE"),
                          F("SECONDPRICE"), F("THIRDPRICE"), F("PIECE2BOX"), F("M2PIECE"),
                          F("KG2PIECE"), F("STOREQTY"), F("SELLQTY"), F("ORDERQTY")},
              Both, {idx({"NUMCODE"})});
    t << plain("PRODMISC", {I("PRODID"), B("PICTURE")}, {idx({"PRODID"})});
    t << dict("PRODKIND", {ID, C("NUMCODE", 10), V("NAME", 60), C("PYCODE", 10), S("PARENT"),
                           S("GRADE"), F("PACKFEE"), F("PIECE2BOX"), F("M2PIECE")});
    // PSW holds a password hash, so it is far wider than a typed password.
    t << dict("STAFF", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), V("PSW", 128),
                        C("ROLE", 10), S("DEPID"), C("WORKGRP", 20), S("WORKKINDID"), F("WORKPNT"),
                        S("SALARYKIND"), T("INDATE"), T("OUTDATE"), S("ISACTIVE"), C("IDCARD", 20),
                        S("PLACEID"), V("TEL", 60), V("ADDR", 60), V("MISC", 250)},
              Both, {idx({"NUMCODE"})});
    t << dict("DEPT", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), C("POSITION", 20)}, Both);
    t << dict("WORKKIND", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), F("WORKPNT"),
                           F("WORKPRICE"), S("DEPID")});
    t << dict("CUSTOMER", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), C("ABBRNAME", 10),
                           S("PLACEID"), V("TEL", 60), V("CONTACT", 60), V("ADDR", 60), V("MISC", 250)},
              Both, {idx({"PYCODE"})});
    t << dict("SUPPLIER", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), C("ABBRNAME", 10),
                           V("TEL", 60), V("CONTACT", 60), V("ADDR", 60), S("PLACEID"), V("MISC", 250)});
    t << dict("STORE", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), V("TEL", 60),
                        C("CONTACT", 10), V("ADDR", 60)},
              Both);
    t << dict("STOREPOS", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), S("STOREID")});
    {
        Table p = plain("PRSNO", {req(C("PRSNO", 10)), C("WORKSHOP", 10), S("PRODKINDID")});
        p.primaryKey = {QStringLiteral("PRSNO")};
        t << p;
    }
    t << dict("INVENTORY", {ID, C("NUMCODE", 10), V("NAME", 60), V("SPEC", 60), S("KINDID"),
                            C("UNIT", 6), F("PRICE"), C("PYCODE", 10), C("PURUNIT", 6), S("STOREID"),
                            F("STOREQTY")});
    t << dict("BANKS", {ID, C("NUMCODE", 10), V("NAME", 60), C("PYCODE", 10)});
    t << dict("TRANSPORT", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), V("TEL", 60),
                            V("CONTACT", 60), V("ADDR", 60), V("MISC", 250)});
    t << dict("PLACE", {ID, C("NUMCODE", 10), C("NAME", 20), C("PYCODE", 10), C("TELDISTR", 10),
                        C("IDDISTR", 10)},
              Both);
    t << dict("SYSPARAM", {req(I("ID")), V("PRMCODE", 50), V("NAME", 50), V("VALUE1", 255),
                           V("VALUE2", 50), S("ISWAS"), S("ISFIX")},
              Both, {idx({"PRMCODE"})});

    // Local file only: the grade and unit lists.
    t << dict("PRODCLS", {req(I("ID")), C("NUMCODE", 10), V("PRODCLS", 50)}, Local);
    t << dict("UNIT", {req(I("ID")), V("NAME", 50)}, Local);

    // ---- sales -------------------------------------------------------------------
    // DSPT of the sales and order headers leaves room for the local number an upload adds.
    const QList<Column> sellP = {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                                 S("CUSID"), S("SELLER"), C("BILLORDNO", 10), C("BILLOUTNO", 10),
                                 C("BILLPAYNO", 10), S("PAYSTATE"), F("DISCONT"), S("APPSTF"),
                                 F("SELLAMT"), F("PACKAMT"), S("STOREID"), C("DSPT", 80), C("DSPT2", 60),
                                 S("AMTER"), T("AMTDATE"), S("INACNTER"), T("INACNTDATE"), T("MONDATE"),
                                 S("MONSTF"),
                                 // Unique id given when the bill is created in the local file; the
                                 // upload uses it to never store one bill twice.
                                 C("LOCALID", 36)};
    t << header("BILLSELLP", sellP, {idx({"BILLDATE"}), idx({"CUSID"}), idx({"BILLSTATE"}), idx({"LOCALID"}, true)}, Both);
    t << lines("BILLSELLC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), S("PRODCLS"), C("COLORNO", 10),
                             C("SIZENO", 10), D("QTY"), D("PRICE"), D("PACKFEE"), S("STOREID"),
                             C("DSPT", 60), D("SHOWQTY"), C("SHOWUNIT", 10), D("SHOWPRICE"), D("P2B")},
               {idx({"INVID"})}, Both);
    t << header("BILLORDERP", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                               S("CUSID"), S("SELLER"), C("BILLSELLNO", 10), C("BILLPAYNO", 10),
                               T("EXPECDATE"), S("PAYSTATE"), F("DISCONT"), S("APPSTF"), F("ORDERATM"),
                               S("STOREID"), C("DSPT", 80), S("AMTER"), T("AMTDATE"), S("INACNTER"),
                               T("INACNTDATE"), T("MONDATE"), S("MONSTF"), C("LOCALID", 36)},
                {idx({"BILLDATE"}), idx({"CUSID"}), idx({"LOCALID"}, true)}, Both);
    t << lines("BILLORDERC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), S("PRODCLS"), C("COLORNO", 10),
                              C("SIZENO", 10), F("QTY"), F("PRICE"), C("DSPT", 60), F("SHOWQTY"),
                              C("SHOWUNIT", 10), F("SHOWPRICE"), F("P2B")},
               {idx({"INVID"})}, Both);
    t << header("BILLPRODOUTP", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                                 S("CUSID"), S("SELLER"), C("BILLSELLNO", 10), S("STOREID"), C("DSPT", 60),
                                 T("MONDATE"), S("MONSTF")},
                {idx({"BILLDATE"}), idx({"BILLSELLNO"})});
    t << lines("BILLPRODOUTC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), S("PRODCLS"), F("QTY"),
                                F("PRICE"), C("COLORNO", 10), C("SIZENO", 10), C("UNIT", 10), F("SHOWQTY"),
                                C("SHOWUNIT", 10), F("SHOWPRICE"), F("P2B"), C("POS", 10), C("DSPT", 60)},
               {idx({"INVID", "PRODCLS"})});

    // ---- warehouse ---------------------------------------------------------------
    t << header("TBILLINP", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                             V("DSPT", 60), S("STOREID"), S("SUPPID"), S("TRANSPID"), F("SELLAMT"),
                             F("PACKAMT"), S("APPSTF"), T("APPDATE"), T("MONDATE"), S("MONSTF")},
                {idx({"BILLDATE"}), idx({"SUPPID"})});
    t << lines("TBILLINC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), S("PRODCLS"), C("COLORNO", 10),
                            C("SIZENO", 10), F("QTY"), F("PRICE"), F("PACKFEE"), V("DSPT", 60),
                            F("WEIGHT")},
               {idx({"INVID", "PRODCLS"})});
    t << header("BILLPRODINP", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                                V("DSPT", 60), C("WORKGRP", 10), S("DEPFROM"), S("DELISTF"), S("STOREID")},
                {idx({"BILLDATE"})});
    t << lines("BILLPRODINC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), F("FIRSTQTY"), F("SECONDQTY"),
                               F("THIRDQTY"), F("FOURTHQTY"), F("QTY"), F("PRICE"), V("DSPT", 60),
                               C("COLORNO", 10), C("SIZENO", 10), C("POS", 10)},
               {idx({"INVID"})});
    t << header("BILLPRODCLSP", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                                 V("DSPT", 60), S("STOREID")},
                {idx({"BILLDATE"})});
    {
        // Grading lines are numbered within the day and the product, so the day's
        // code and the line number alone do not identify a line.
        Table g = plain("BILLPRODCLSC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), C("COLORNO", 10),
                                         C("SIZENO", 10), F("FIRSTQTY"), F("SECONDQTY"), F("THIRDQTY"),
                                         C("POS", 10), V("DSPT", 60)},
                        {idx({"BILLNO", "INVID", "SNO"}, true), idx({"INVID"})});
        t << g;
    }
    t << header("TBILLBALP", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                              I("STOREID"), S("CFMER"), T("CFMDATE"), C("BILLPRODNO", 10), V("DSPT", 60)},
                {idx({"BILLDATE"})});
    t << lines("TBILLBALC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), S("PRODCLS"), C("COLORNO", 10),
                             C("SIZENO", 10), F("COMQTY"), F("ACTQTY"), F("PRICE"), V("DSPT", 60)},
               {idx({"INVID"})});
    t << header("BILLSTRINP", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                               C("DSPT", 60), S("STOREID"), S("SUPID"), S("DELISTF"), C("DELIBILLNO", 10)},
                {idx({"BILLDATE"})});
    t << lines("BILLSTRINC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), F("QTY"), F("PRICE"), C("DSPT", 60)},
               {idx({"INVID"})});
    t << header("BILLSTROUTP", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("BILLSTATE"),
                                C("DSPT", 60), S("STOREID"), S("DEPID"), S("DELISTF")},
                {idx({"BILLDATE"})});
    t << lines("BILLSTROUTC", {req(C("BILLNO", 10)), S("SNO"), S("INVID"), F("QTY"), F("PRICE"),
                               C("DSPT", 60), S("PRODKINDID")},
               {idx({"INVID"})});
    t << plain("BILLPRSCNT", {T("CNTDATE"), C("SHIFT", 10), S("CNTSTF"), C("PRSNO", 10), I("LASTCNT"),
                              I("ENDCNT"), I("SHIFTCNT"), I("LASTBRICKCNT"), I("ENDBRICKCNT"),
                              S("PRODKINDID"), C("PRODTM", 10), I("PRESS"), F("FREQ"), F("PRODHEIGHT"),
                              C("SPEC", 20), C("DSPT", 250)},
               {idx({"CNTDATE"})});

    // ---- finance -----------------------------------------------------------------
    t << header("BILLPAY", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), S("CUSID"), S("BILLKD"),
                            F("AMT"), C("PAYMTHD", 10), S("BANKID"), C("ACCNO", 20), V("DSPT", 60),
                            C("BILLSELLNO", 10), C("BILLORDNO", 10), F("PRECENT")},
                {idx({"BILLDATE"}), idx({"CUSID"})});
    t << plain("CUSACC", {S("CUSID"), S("BANKID"), C("ACCNO", 20)}, {idx({"BANKID", "ACCNO"})});
    t << header("TBILLPAYOUT", {req(C("BILLNO", 10)), T("BILLDATE"), S("BILLER"), I("SUPID"), S("BILLKD"),
                                F("AMT"), C("PAYMTHD", 10), S("BANKID"), C("ACCNO", 20), V("DSPT", 60),
                                C("BILLORDNO", 10), F("PRECENT")},
                {idx({"BILLDATE"}), idx({"SUPID"})});
    t << plain("TSUPACC", {I("SUPID"), S("BANKID"), C("ACCNO", 20)}, {idx({"BANKID", "ACCNO"})});
    {
        QList<Column> cols = {T("BILLDATE"), T("SALARYMONTH"), S("DEPID"), S("STFID"), S("WORKKINDID"),
                              S("SNO")};
        for (const char *n : {"JOBQTY200", "JOBPRICE200", "JOBAMT200", "JOBQTY300", "JOBPRICE300",
                              "JOBAMT300", "JOBAMT", "BSCDAYS", "BSCWRKPNT", "BSCPRICE", "BSCAMT",
                              "OTDAYS", "OTWRKPNT", "OTPRICE", "OTAMT", "INOVER", "INRETURN",
                              "INOTHER1", "INOTHER2", "INOTHER3", "INTTLAMT", "DDMEAL", "DDELECT",
                              "DDCERT", "DDENSU", "DDDEPOSIT", "DDAMERCE", "DDOTHER1", "DDOTHER2",
                              "DDOTHER3", "DDTTLAMT", "SALARYAMT"})
            cols << F(n);
        t << plain("BILLSALARY", cols, {idx({"SALARYMONTH", "DEPID"})});
    }

    // ---- reports and stock -------------------------------------------------------
    t << plain("PRODCOSTTEMP", {V("KNAME", 60), S("PRODCLS"), C("NUMCODE", 10), V("NAME", 60), S("INVID"),
                                F("LASTQTY"), F("LASTAMT"), F("INQTY"), F("INAMT"), F("OUTQTY"),
                                F("OTHERQTY"), F("REMAINQTY"), F("REMAINAMT"), C("STFNO", 10)},
               {idx({"STFNO"})});
    // Stock on hand. On the server the database keeps it (see the engine scripts); the
    // local file holds a downloaded copy.
    t << plain("PRODSTOCK", {S("PRODID"), S("STOREID"), C("COLORNO", 10), C("SIZENO", 10), F("FIRSTQTY"),
                             F("SECONDQTY"), F("THIRDQTY")},
               {idx({"PRODID", "STOREID", "COLORNO", "SIZENO"}, true)}, Both);
    return t;
}

} // namespace

QStringList Table::columnNames() const
{
    QStringList names;
    for (const Column &c : columns)
        names << c.name;
    return names;
}

const QList<Table> &tables()
{
    static const QList<Table> all = buildTables();
    return all;
}

const Table *find(const QString &name)
{
    for (const Table &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList baseDataTables()
{
    return {QStringLiteral("CUSTOMER"), QStringLiteral("DEPT"), QStringLiteral("PLACE"),
            QStringLiteral("PRODSTOCK"), QStringLiteral("PRODUCT"), QStringLiteral("STAFF"),
            QStringLiteral("STORE")};
}

QString columnType(Engine engine, const Column &c)
{
    const bool lite = engine == Engine::SQLite;
    switch (c.type) {
    case Type::Char:
    case Type::VarChar:
        // Widths count characters, so a width given in GBK bytes always fits.
        return QStringLiteral("VARCHAR(%1)").arg(c.width);
    case Type::SmallInt:
        return lite ? QStringLiteral("INTEGER") : QStringLiteral("SMALLINT");
    case Type::Integer:
        return QStringLiteral("INTEGER");
    case Type::Float:
    case Type::Decimal:
        // Quantities are rounded to five decimals before they are stored, so they are
        // kept as doubles on both engines and both give back the same figures.
        return lite ? QStringLiteral("REAL") : QStringLiteral("DOUBLE PRECISION");
    case Type::DateTime:
        return lite ? QStringLiteral("DATETIME") : QStringLiteral("TIMESTAMP(0)");
    case Type::Blob:
        return lite ? QStringLiteral("BLOB") : QStringLiteral("BYTEA");
    }
    return {};
}

QStringList createStatements(Engine engine, const Table &t)
{
    QStringList defs;
    for (const Column &c : t.columns)
        defs << QStringLiteral("%1 %2%3").arg(c.name, columnType(engine, c),
                                               c.required ? QStringLiteral(" NOT NULL") : QString());
    if (!t.primaryKey.isEmpty())
        defs << QStringLiteral("PRIMARY KEY (%1)").arg(t.primaryKey.join(QStringLiteral(", ")));

    QStringList out;
    out << QStringLiteral("CREATE TABLE %1 (\n  %2\n)").arg(t.name, defs.join(QStringLiteral(",\n  ")));

    if (t.billHeader) {
        out << QStringLiteral("CREATE UNIQUE INDEX UX_%1_BILLNO ON %1 (BILLNO)").arg(t.name);
        out << QStringLiteral("CREATE INDEX IX_%1_BILLNOVAL ON %1 (%2)")
                   .arg(t.name, Dialect::billNoValueExpr(engine));
    }
    for (const Index &i : t.indexes) {
        out << QStringLiteral("CREATE %1INDEX %2X_%3_%4 ON %3 (%5)")
                   .arg(i.unique ? QStringLiteral("UNIQUE ") : QString(),
                        i.unique ? QStringLiteral("U") : QStringLiteral("I"), t.name,
                        i.columns.join(u'_'), i.columns.join(QStringLiteral(", ")));
    }
    return out;
}

} // namespace Schema
