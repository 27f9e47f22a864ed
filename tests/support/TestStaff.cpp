#include "TestStaff.h"

#include "DataModule.h"
#include "Passwords.h"
#include "Sql.h"

namespace TestStaff {

TStaff add(const QSqlDatabase &db, int id, const QString &number, const QString &name, const QString &role,
           const QString &password, int depId)
{
    TStaff s;
    s.StfID = id;
    s.StfNo = number;
    s.StfName = name;
    s.Role = role;
    if (depId > 0) {
        if (Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM DEPT WHERE ID = :ID"), {{"ID", depId}}).toInt() == 0)
            Sql::run(db, QStringLiteral("INSERT INTO DEPT (ID, NUMCODE, NAME) VALUES (:ID, :NO, :NAME)"),
                     {{"ID", depId}, {"NO", QStringLiteral("D%1").arg(depId)}, {"NAME", QStringLiteral("部门%1").arg(depId)}});
        s.DepID = depId;
        s.DepNo = QStringLiteral("D%1").arg(depId);
        s.DepName = QStringLiteral("部门%1").arg(depId);
    }
    Sql::run(db, QStringLiteral("INSERT INTO STAFF (ID, NUMCODE, NAME, PSW, ROLE, DEPID, ISACTIVE) "
                                "VALUES (:ID, :NO, :NAME, :PSW, :ROLE, :DEP, 1)"),
             {{"ID", id}, {"NO", number}, {"NAME", name}, {"PSW", Passwords::hash(password)}, {"ROLE", role},
              {"DEP", depId > 0 ? QVariant(depId) : QVariant(QMetaType::fromType<int>())}});
    return s;
}

void login(TDM &dm, const TStaff &clerk, const TStaff &cashier)
{
    dm.LocalMode = false;
    dm.Operator = clerk;
    dm.Cashier = cashier;
    dm.RefreshBaseData();
}

} // namespace TestStaff
