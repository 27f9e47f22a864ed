#include "SqliteFunctions.h"

#include "DbError.h"
#include "StockObjects.h"

#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace {

// GetTotalAmt(product, grade, quantity, date): quantity times the weighted purchase
// price of the product and grade before the date; 0 when there is no such price.
void getTotalAmt(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (argc != 4) {
        sqlite3_result_error(ctx, "GetTotalAmt takes 4 arguments", -1);
        return;
    }
    const double qty = sqlite3_value_type(argv[2]) == SQLITE_NULL ? 0.0 : sqlite3_value_double(argv[2]);
    sqlite3 *db = sqlite3_context_db_handle(ctx);
    static const QByteArray sql = StockObjects::averagePriceSql().toUtf8();
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
        return;
    }
    sqlite3_bind_value(stmt, 1, argv[0]);
    sqlite3_bind_value(stmt, 2, argv[1]);
    sqlite3_bind_value(stmt, 3, argv[3]);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        const double price = sqlite3_column_type(stmt, 0) == SQLITE_NULL ? 0.0 : sqlite3_column_double(stmt, 0);
        sqlite3_result_double(ctx, qty * price);
    } else if (rc == SQLITE_DONE) {
        sqlite3_result_double(ctx, 0.0);
    } else {
        sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
    }
    sqlite3_finalize(stmt);
}

} // namespace

void RegisterSqliteFunctions(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DbError(QStringLiteral("无法注册数据库函数：不是 SQLite 连接"));
    sqlite3 *h = *static_cast<sqlite3 *const *>(handle.data());
    if (!h)
        throw DbError(QStringLiteral("无法注册数据库函数：连接未打开"));
    const int rc = sqlite3_create_function_v2(h, "GetTotalAmt", 4, SQLITE_UTF8, nullptr, &getTotalAmt,
                                              nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(h)), QString::number(rc));
}
