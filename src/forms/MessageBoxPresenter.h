#pragma once

#include "MsgBox.h"

// Shows MsgBox texts in a message box over the active window.
class MessageBoxPresenter : public MsgBoxPresenter
{
public:
    int present(int kind, const QString &caption, const QString &text) override;
    static void install();
};
