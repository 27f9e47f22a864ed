#include "AppOpeners.h"

#include "Dictionaries.h"
#include "frmMain.h"

void WireOpeners(TfrmMain &main)
{
    // The dictionaries of "字典维护", shown modally; each applies its own edit checks.
    for (const char *item : {"nProduct", "N7", "nStore", "N6", "N4", "nInventory", "nDept", "nStaff", "nWorkKind",
                             "nSupplier", "nCustomer", "nBanks", "nTranSport", "nPlace", "nSysParam"}) {
        const QString name = QString::fromLatin1(item);
        main.setOpener(name, [name, &main] { OpenDictionary(name, &main); });
    }
}
