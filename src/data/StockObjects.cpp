#include "StockObjects.h"

namespace StockObjects {

namespace {

// A bill family that moves stock: its line table, its header table, the sign of its
// lines and the condition under which a header's lines count (on alias X).
struct Mover {
    QString lines;
    QString header;
    int sign;
    QString counts;
};

const QList<Mover> &movers()
{
    static const QList<Mover> m = {
        // Warehouse receipts add once the keeper has confirmed them.
        {QStringLiteral("TBILLINC"), QStringLiteral("TBILLINP"), +1, QStringLiteral("X.BILLSTATE >= 10")},
        // Outbound and adjustment bills take away in every state.
        {QStringLiteral("BILLPRODOUTC"), QStringLiteral("BILLPRODOUTP"), -1, QStringLiteral("1 = 1")},
    };
    return m;
}

QString cond(const Mover &m, const QString &alias)
{
    return QString(m.counts).replace(QStringLiteral("X."), alias + u'.');
}

QString signed_(int sign, const QString &qty)
{
    return sign < 0 ? QStringLiteral("-COALESCE(%1, 0)").arg(qty) : QStringLiteral("COALESCE(%1, 0)").arg(qty);
}

const QString kUpsertTail = QStringLiteral(
    " ON CONFLICT (PRODID, STOREID, COLORNO, SIZENO) DO UPDATE SET"
    " FIRSTQTY = PRODSTOCK.FIRSTQTY + excluded.FIRSTQTY,"
    " SECONDQTY = PRODSTOCK.SECONDQTY + excluded.SECONDQTY,"
    " THIRDQTY = PRODSTOCK.THIRDQTY + excluded.THIRDQTY");

const QString kZero = QStringLiteral(
    "abs(FIRSTQTY) < 1e-9 AND abs(SECONDQTY) < 1e-9 AND abs(THIRDQTY) < 1e-9");

QString gradeCols(const QString &cls, const QString &qty, bool sum)
{
    QStringList cols;
    for (int g : {10, 20, 30}) {
        const QString c = QStringLiteral("CASE WHEN %1 = %2 THEN %3 ELSE 0 END").arg(cls).arg(g).arg(qty);
        cols << (sum ? QStringLiteral("SUM(%1)").arg(c) : c);
    }
    return cols.join(QStringLiteral(", "));
}

// ---- SQLite: the triggers do the arithmetic inline ---------------------------------

// Applies one line row (NEW or OLD of the line table) with the given sign.
QString liteLine(const Mover &m, const QString &row, int sign)
{
    return QStringLiteral("INSERT INTO PRODSTOCK (PRODID, STOREID, COLORNO, SIZENO, FIRSTQTY, SECONDQTY, THIRDQTY)"
                          " SELECT %1.INVID, COALESCE(H.STOREID, 0), COALESCE(%1.COLORNO, ''), COALESCE(%1.SIZENO, ''), %2"
                          " FROM %3 H WHERE H.BILLNO = %1.BILLNO AND %4")
               .arg(row, gradeCols(row + QStringLiteral(".PRODCLS"), signed_(m.sign * sign, row + QStringLiteral(".QTY")), false),
                    m.header, cond(m, QStringLiteral("H")))
        + kUpsertTail + u';';
}

// Applies every line of a header row (NEW or OLD of the header table) with the given sign.
QString liteHeader(const Mover &m, const QString &row, int sign)
{
    return QStringLiteral("INSERT INTO PRODSTOCK (PRODID, STOREID, COLORNO, SIZENO, FIRSTQTY, SECONDQTY, THIRDQTY)"
                          " SELECT L.INVID, COALESCE(%1.STOREID, 0), COALESCE(L.COLORNO, ''), COALESCE(L.SIZENO, ''), %2"
                          " FROM %3 L WHERE L.BILLNO = %1.BILLNO AND %4"
                          " GROUP BY L.INVID, COALESCE(L.COLORNO, ''), COALESCE(L.SIZENO, '')")
               .arg(row, gradeCols(QStringLiteral("L.PRODCLS"), signed_(m.sign * sign, QStringLiteral("L.QTY")), true),
                    m.lines, cond(m, row))
        + kUpsertTail + u';';
}

QStringList sqliteStatements()
{
    QStringList out;
    for (const Mover &m : movers()) {
        const QString lineCols = QStringLiteral("BILLNO, INVID, PRODCLS, COLORNO, SIZENO, QTY");
        const QString dropLine = QStringLiteral("DELETE FROM PRODSTOCK WHERE PRODID IN (%1) AND ") + kZero + u';';
        out << QStringLiteral("CREATE TRIGGER TR_%1_INS AFTER INSERT ON %1 BEGIN %2 %3 END")
                   .arg(m.lines, liteLine(m, QStringLiteral("NEW"), +1), dropLine.arg(QStringLiteral("NEW.INVID")));
        out << QStringLiteral("CREATE TRIGGER TR_%1_DEL AFTER DELETE ON %1 BEGIN %2 %3 END")
                   .arg(m.lines, liteLine(m, QStringLiteral("OLD"), -1), dropLine.arg(QStringLiteral("OLD.INVID")));
        out << QStringLiteral("CREATE TRIGGER TR_%1_UPD AFTER UPDATE OF %2 ON %1 BEGIN %3 %4 %5 END")
                   .arg(m.lines, lineCols, liteLine(m, QStringLiteral("OLD"), -1), liteLine(m, QStringLiteral("NEW"), +1),
                        dropLine.arg(QStringLiteral("OLD.INVID, NEW.INVID")));

        const QString dropHeader = QStringLiteral("DELETE FROM PRODSTOCK WHERE PRODID IN (SELECT INVID FROM %1 WHERE BILLNO = %2.BILLNO) AND ")
                                       .arg(m.lines, QStringLiteral("%1")) + kZero + u';';
        out << QStringLiteral("CREATE TRIGGER TR_%1_INS AFTER INSERT ON %1 BEGIN %2 %3 END")
                   .arg(m.header, liteHeader(m, QStringLiteral("NEW"), +1), dropHeader.arg(QStringLiteral("NEW")));
        out << QStringLiteral("CREATE TRIGGER TR_%1_DEL AFTER DELETE ON %1 BEGIN %2 %3 END")
                   .arg(m.header, liteHeader(m, QStringLiteral("OLD"), -1), dropHeader.arg(QStringLiteral("OLD")));
        out << QStringLiteral("CREATE TRIGGER TR_%1_UPD AFTER UPDATE OF BILLNO, BILLSTATE, STOREID ON %1"
                              " WHEN OLD.BILLNO IS NOT NEW.BILLNO OR OLD.STOREID IS NOT NEW.STOREID"
                              " OR (%2) IS NOT (%3)"
                              " BEGIN %4 %5 %6 %7 END")
                   .arg(m.header, cond(m, QStringLiteral("OLD")), cond(m, QStringLiteral("NEW")),
                        liteHeader(m, QStringLiteral("OLD"), -1), dropHeader.arg(QStringLiteral("OLD")),
                        liteHeader(m, QStringLiteral("NEW"), +1), dropHeader.arg(QStringLiteral("NEW")));
    }
    return out;
}

// ---- PostgreSQL: one upsert function, called by small trigger functions -------------

QStringList postgresStatements()
{
    QStringList out;
    out << QStringLiteral(
               "CREATE FUNCTION kb_stock_add(p_prod INTEGER, p_store INTEGER, p_color TEXT, p_size TEXT,"
               " p_cls INTEGER, p_qty DOUBLE PRECISION) RETURNS void LANGUAGE sql AS $$"
               " INSERT INTO PRODSTOCK (PRODID, STOREID, COLORNO, SIZENO, FIRSTQTY, SECONDQTY, THIRDQTY)"
               " VALUES (p_prod, COALESCE(p_store, 0), COALESCE(p_color, ''), COALESCE(p_size, ''), %1)")
               .arg(gradeCols(QStringLiteral("p_cls"), QStringLiteral("COALESCE(p_qty, 0)"), false))
        + kUpsertTail
        + QStringLiteral("; DELETE FROM PRODSTOCK WHERE PRODID = p_prod AND STOREID = COALESCE(p_store, 0)"
                         " AND COLORNO = COALESCE(p_color, '') AND SIZENO = COALESCE(p_size, '') AND ")
        + kZero + QStringLiteral("; $$");

    for (const Mover &m : movers()) {
        const QString lower = m.lines.toLower();
        const QString sgn = m.sign < 0 ? QStringLiteral("-") : QString();
        out << QStringLiteral(
                   "CREATE FUNCTION kb_%1_stock() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                   "DECLARE st SMALLINT;\n"
                   "BEGIN\n"
                   "  IF TG_OP IN ('UPDATE', 'DELETE') THEN\n"
                   "    SELECT COALESCE(H.STOREID, 0) INTO st FROM %2 H WHERE H.BILLNO = OLD.BILLNO AND %3;\n"
                   "    IF FOUND THEN PERFORM kb_stock_add(OLD.INVID, st, OLD.COLORNO, OLD.SIZENO, OLD.PRODCLS, -(%4COALESCE(OLD.QTY, 0))); END IF;\n"
                   "  END IF;\n"
                   "  IF TG_OP IN ('UPDATE', 'INSERT') THEN\n"
                   "    SELECT COALESCE(H.STOREID, 0) INTO st FROM %2 H WHERE H.BILLNO = NEW.BILLNO AND %3;\n"
                   "    IF FOUND THEN PERFORM kb_stock_add(NEW.INVID, st, NEW.COLORNO, NEW.SIZENO, NEW.PRODCLS, %4COALESCE(NEW.QTY, 0)); END IF;\n"
                   "  END IF;\n"
                   "  RETURN NULL;\n"
                   "END $$")
                   .arg(lower, m.header, cond(m, QStringLiteral("H")), sgn);
        out << QStringLiteral("CREATE TRIGGER TR_%1_STOCK AFTER INSERT OR DELETE OR UPDATE OF BILLNO, INVID, PRODCLS,"
                              " COLORNO, SIZENO, QTY ON %1 FOR EACH ROW EXECUTE FUNCTION kb_%2_stock()")
                   .arg(m.lines, lower);

        const QString hlower = m.header.toLower();
        out << QStringLiteral(
                   "CREATE FUNCTION kb_%1_stock() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                   "BEGIN\n"
                   "  IF TG_OP IN ('UPDATE', 'DELETE') AND %2 THEN\n"
                   "    PERFORM kb_stock_add(L.INVID, OLD.STOREID, L.COLORNO, L.SIZENO, L.PRODCLS, -(%4COALESCE(L.QTY, 0)))\n"
                   "      FROM %5 L WHERE L.BILLNO = OLD.BILLNO;\n"
                   "  END IF;\n"
                   "  IF TG_OP IN ('UPDATE', 'INSERT') AND %3 THEN\n"
                   "    PERFORM kb_stock_add(L.INVID, NEW.STOREID, L.COLORNO, L.SIZENO, L.PRODCLS, %4COALESCE(L.QTY, 0))\n"
                   "      FROM %5 L WHERE L.BILLNO = NEW.BILLNO;\n"
                   "  END IF;\n"
                   "  RETURN NULL;\n"
                   "END $$")
                   .arg(hlower, cond(m, QStringLiteral("OLD")), cond(m, QStringLiteral("NEW")), sgn, m.lines);
        out << QStringLiteral("CREATE TRIGGER TR_%1_STOCK_CHG AFTER UPDATE OF BILLNO, BILLSTATE, STOREID ON %1"
                              " FOR EACH ROW WHEN (OLD.BILLNO IS DISTINCT FROM NEW.BILLNO"
                              " OR OLD.STOREID IS DISTINCT FROM NEW.STOREID OR (%2) IS DISTINCT FROM (%3))"
                              " EXECUTE FUNCTION kb_%4_stock()")
                   .arg(m.header, cond(m, QStringLiteral("OLD")), cond(m, QStringLiteral("NEW")), hlower);
        out << QStringLiteral("CREATE TRIGGER TR_%1_STOCK AFTER INSERT OR DELETE ON %1"
                              " FOR EACH ROW EXECUTE FUNCTION kb_%2_stock()")
                   .arg(m.header, hlower);
    }

    out << QStringLiteral("CREATE FUNCTION GetTotalAmt(p_prod INTEGER, p_cls INTEGER, p_qty DOUBLE PRECISION,"
                          " p_date TIMESTAMP) RETURNS DOUBLE PRECISION LANGUAGE sql STABLE AS $$"
                          " SELECT COALESCE(p_qty, 0) * COALESCE((%1), 0) $$")
               .arg(QString(averagePriceSql())
                        .replace(QStringLiteral("?1"), QStringLiteral("p_prod"))
                        .replace(QStringLiteral("?2"), QStringLiteral("p_cls"))
                        .replace(QStringLiteral("?3"), QStringLiteral("p_date")));
    return out;
}

} // namespace

QString averagePriceSql()
{
    // Quantity-weighted purchase price over the receipts finance has accepted.
    return QStringLiteral("SELECT SUM(C.PRICE * C.QTY) / NULLIF(SUM(C.QTY), 0)"
                          " FROM TBILLINC C JOIN TBILLINP P ON P.BILLNO = C.BILLNO"
                          " WHERE C.INVID = ?1 AND C.PRODCLS = ?2 AND P.BILLSTATE = 20"
                          " AND P.APPSTF IS NOT NULL AND P.APPDATE IS NOT NULL AND P.BILLDATE < ?3");
}

QStringList createStatements(Engine engine)
{
    return engine == Engine::SQLite ? sqliteStatements() : postgresStatements();
}

} // namespace StockObjects
