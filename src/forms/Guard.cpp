#include "Guard.h"

#include "DbError.h"
#include "MsgBox.h"

#include <QString>

bool Guarded(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const DbError &e) {
        MsgBox(mbError, e.text());
    } catch (const std::exception &e) {
        MsgBox(mbError, QString::fromUtf8(e.what()));
    }
    return false;
}
