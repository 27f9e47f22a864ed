#pragma once

#include "Dialect.h"

#include <QStringList>

// Objects the server database maintains by itself:
//  - PRODSTOCK, stock on hand per product, warehouse, colour and size, boxes per grade,
//    kept exact by triggers on the warehouse receipts and the outbound bills;
//  - GetTotalAmt(product, grade, quantity, date), the weighted stock value of a quantity
//    (a SQL function on PostgreSQL; on SQLite a C++ function registered per connection).
namespace StockObjects {

QStringList createStatements(Engine engine);

// SQL text of the weighted purchase price behind GetTotalAmt: parameters are the
// product, the grade and the date (positional, in that order).
QString averagePriceSql();

} // namespace StockObjects
