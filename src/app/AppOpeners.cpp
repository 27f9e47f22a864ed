#include "AppOpeners.h"

#include "frmMain.h"

void WireOpeners(TfrmMain &main)
{
    Q_UNUSED(main);
}
