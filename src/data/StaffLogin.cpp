#include "StaffLogin.h"

#include "Passwords.h"
#include "Sql.h"

namespace StaffLogin {

namespace {

QString rtrimmed(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

} // namespace

Lookup find(const QSqlDatabase &db, const QString &number, const QString &password)
{
    QSqlQuery q = Sql::exec(db, QStringLiteral(
        "SELECT S.ID AS STFID, S.NUMCODE AS STFNO, S.NAME AS STFNAME, S.ROLE, D.ID AS DEPID, D.NUMCODE AS DEPNO,"
        " D.NAME AS DEPNAME, S.PSW FROM STAFF S LEFT OUTER JOIN DEPT D ON S.DEPID = D.ID"
        " WHERE RTRIM(S.NUMCODE) = :STFNO"),
        {{QStringLiteral("STFNO"), rtrimmed(number)}});
    Lookup result;
    int matches = 0;
    // The old fixed-width column ignored trailing blanks; so does the login.
    const QString typed = rtrimmed(password);
    while (q.next()) {
        if (!Passwords::verify(q.value(7).toString(), typed))
            continue;
        ++matches;
        TStaff &s = result.staff;
        s.StfID = q.value(0).toInt();
        s.StfNo = q.value(1).toString().trimmed();
        s.StfName = q.value(2).toString().trimmed();
        s.Role = q.value(3).toString().trimmed();
        s.DepID = q.value(4).isNull() ? 0 : q.value(4).toInt();
        s.DepNo = q.value(5).toString().trimmed();
        s.DepName = q.value(6).toString().trimmed();
    }
    result.status = matches == 0 ? Lookup::NotFound : matches == 1 ? Lookup::Found : Lookup::Duplicate;
    if (result.status != Lookup::Found)
        result.staff = TStaff();
    return result;
}

bool passwordMatches(const QSqlDatabase &db, int staffId, const QString &password)
{
    const QVariant stored = Sql::scalar(db, QStringLiteral("SELECT PSW FROM STAFF WHERE ID = :ID"),
                                        {{QStringLiteral("ID"), staffId}});
    return stored.isValid() && Passwords::verify(stored.toString(), password);
}

void setPassword(const QSqlDatabase &db, int staffId, const QString &password)
{
    Sql::run(db, QStringLiteral("UPDATE STAFF SET PSW = :PSW WHERE ID = :ID"),
             {{QStringLiteral("PSW"), Passwords::hash(password)}, {QStringLiteral("ID"), staffId}});
}

} // namespace StaffLogin
