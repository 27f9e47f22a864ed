#include "Seed.h"

#include "Sql.h"

namespace Seed {

void server(const QSqlDatabase &db)
{
    struct Param { int id; const char *code; const char *name; };
    static const Param params[] = {
        {1, "ComName", "公司名称"},  {2, "ComAddr", "公司地址"},  {3, "ComTel", "公司电话"},
        {4, "ComEmail", "公司邮箱"}, {5, "ReportName", "报表标题"},
    };
    for (const Param &p : params) {
        Sql::run(db, QStringLiteral("INSERT INTO SYSPARAM (ID, PRMCODE, NAME, VALUE1, VALUE2, ISWAS, ISFIX)"
                                    " VALUES (:ID, :CODE, :NAME, '', '', 0, 1)"),
                 {{QStringLiteral("ID"), p.id},
                  {QStringLiteral("CODE"), QString::fromUtf8(p.code)},
                  {QStringLiteral("NAME"), QString::fromUtf8(p.name)}});
    }
    // Warehouses 1, 2 and 3 have fixed meanings in the stock figures.
    struct Store { int id; const char *code; const char *name; };
    static const Store stores[] = {{1, "01", "成品一仓"}, {2, "02", "成品二仓"}, {3, "03", "厂提"}};
    for (const Store &s : stores) {
        Sql::run(db, QStringLiteral("INSERT INTO STORE (ID, NUMCODE, NAME) VALUES (:ID, :CODE, :NAME)"),
                 {{QStringLiteral("ID"), s.id},
                  {QStringLiteral("CODE"), QString::fromUtf8(s.code)},
                  {QStringLiteral("NAME"), QString::fromUtf8(s.name)}});
    }
}

void local(const QSqlDatabase &db)
{
    struct Grade { int id; const char *code; const char *name; };
    static const Grade grades[] = {{10, "1", "优等品"}, {20, "2", "正品"}, {30, "3", "合格品"}};
    for (const Grade &g : grades) {
        Sql::run(db, QStringLiteral("INSERT INTO PRODCLS (ID, NUMCODE, PRODCLS) VALUES (:ID, :CODE, :NAME)"),
                 {{QStringLiteral("ID"), g.id},
                  {QStringLiteral("CODE"), QString::fromUtf8(g.code)},
                  {QStringLiteral("NAME"), QString::fromUtf8(g.name)}});
    }
    static const char *units[] = {"箱", "片", "支", "套"};
    for (int i = 0; i < 4; ++i) {
        Sql::run(db, QStringLiteral("INSERT INTO UNIT (ID, NAME) VALUES (:ID, :NAME)"),
                 {{QStringLiteral("ID"), i + 1}, {QStringLiteral("NAME"), QString::fromUtf8(units[i])}});
    }
}

} // namespace Seed
