#pragma once

#include "Types.h"

#include <QString>
#include <memory>

class QWidget;
class TfrmPrtBscTbl;

// The window of a menu item, not yet shown; nullptr for a name that is no dictionary.
std::unique_ptr<TfrmPrtBscTbl> CreateDictionary(const QString &menuItemName, QWidget *parent = nullptr);

// The windows of the "字典维护" menu, by menu item name (nProduct, N7, nStore, ...):
// shown modally and destroyed. False for a name that is no dictionary.
bool OpenDictionary(const QString &menuItemName, QWidget *parent = nullptr);

// The product picker of the bill and query windows: true with out filled after OK.
bool PickProduct(TInventory &out, const QString &keyword = {}, QWidget *parent = nullptr);
