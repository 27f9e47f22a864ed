#pragma once

#include <QString>
#include <memory>

// The only way a message or a question reaches the operator. The GUI installs a
// presenter that shows a message box; tests install a spy.
enum MsgKind { mbInformation = 1, mbError = 2, mbOkCancel = 3, mbYesNoCancel = 4 };
enum MsgResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class MsgBoxPresenter
{
public:
    virtual ~MsgBoxPresenter() = default;
    // Shows the text and returns the button pressed (MsgResult).
    virtual int present(int kind, const QString &caption, const QString &text) = 0;
};

// Installs a presenter and returns the previous one. Without a presenter the message
// goes to standard error and the answer is the safe one (OK for messages, Cancel for
// questions).
std::shared_ptr<MsgBoxPresenter> SetMsgBoxPresenter(std::shared_ptr<MsgBoxPresenter> presenter);

// "信息", "错误", "问题" for kinds 1..4; empty for any other kind.
QString MsgBoxCaption(int kind);

// kind 1 information, 2 error, 3 OK/Cancel question, 4 Yes/No/Cancel question.
// Any other kind shows nothing and returns 0.
int MsgBox(int kind, const QString &text);
