#include "Dictionaries.h"

#include "frmBscBanks.h"
#include "frmBscCustomer.h"
#include "frmBscDept.h"
#include "frmBscPlace.h"
#include "frmBscProdKind.h"
#include "frmBscProsNO.h"
#include "frmBscStorePos.h"
#include "frmBscStores.h"
#include "frmBscTranSport.h"
#include "frmBscWorkKind.h"
#include "frmInventory.h"
#include "frmProduct.h"
#include "frmStaff.h"
#include "frmSupplier.h"
#include "frmSysParam.h"

#include <QHash>
#include <functional>
#include <memory>

namespace {

template <typename T>
std::unique_ptr<TfrmPrtBscTbl> make(QWidget *parent)
{
    return std::make_unique<T>(parent);
}

using Factory = std::unique_ptr<TfrmPrtBscTbl> (*)(QWidget *);

const QHash<QString, Factory> &factories()
{
    static const QHash<QString, Factory> map = {
        {QStringLiteral("nProduct"), &make<TfrmProduct>},
        {QStringLiteral("N7"), &make<TfrmBscProdKind>},
        {QStringLiteral("nStore"), &make<TfrmBscStores>},
        {QStringLiteral("N6"), &make<TfrmBscStorePos>},
        {QStringLiteral("N4"), &make<TfrmBscProsNO>},
        {QStringLiteral("nInventory"), &make<TfrmInventory>},
        {QStringLiteral("nDept"), &make<TfrmBscDept>},
        {QStringLiteral("nStaff"), &make<TfrmStaff>},
        {QStringLiteral("nWorkKind"), &make<TfrmBscWorkKind>},
        {QStringLiteral("nSupplier"), &make<TfrmSupplier>},
        {QStringLiteral("nCustomer"), &make<TfrmBscCustomer>},
        {QStringLiteral("nBanks"), &make<TfrmBscBanks>},
        {QStringLiteral("nTranSport"), &make<TfrmBscTranSport>},
        {QStringLiteral("nPlace"), &make<TfrmBscPlace>},
        {QStringLiteral("nSysParam"), &make<TfrmSysParam>},
    };
    return map;
}

} // namespace

std::unique_ptr<TfrmPrtBscTbl> CreateDictionary(const QString &menuItemName, QWidget *parent)
{
    const Factory f = factories().value(menuItemName);
    return f ? f(parent) : nullptr;
}

bool OpenDictionary(const QString &menuItemName, QWidget *parent)
{
    const auto w = CreateDictionary(menuItemName, parent);
    if (!w)
        return false;
    w->exec();
    return true;
}

bool PickProduct(TInventory &out, const QString &keyword, QWidget *parent)
{
    return TfrmProduct::PickProduct(out, keyword, parent);
}
