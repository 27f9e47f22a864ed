#pragma once

#include "Types.h"
#include "frmPrtBscTbl.h"

#include <functional>

// The product list: read-only here (products are kept in the stock window, which Enter
// or a double click opens), and the product picker of the bill windows.
class TfrmProduct : public TfrmPrtBscTbl
{
    Q_OBJECT
public:
    explicit TfrmProduct(QWidget *parent = nullptr);

    // The stock window of a product, installed by the sales side; without one Enter and
    // double click do nothing.
    using StockOpener = std::function<void(int productId, QWidget *parent)>;
    static void setStockOpener(StockOpener opener);

    // Shows the list modally; after OK fills out from the current product and returns
    // true. With Cancel out stays empty.
    static bool PickProduct(TInventory &out, const QString &keyword = {}, QWidget *parent = nullptr);

protected:
    void dbgResultEnter() override;

private:
    void openStock(bool reloadAfter);
};
