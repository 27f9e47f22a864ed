#include "MsgBoxSpy.h"

std::shared_ptr<MsgBoxSpy> MsgBoxSpy::install()
{
    auto spy = std::make_shared<MsgBoxSpy>();
    SetMsgBoxPresenter(spy);
    return spy;
}

int MsgBoxSpy::present(int kind, const QString &, const QString &text)
{
    messages.append({kind, text});
    if (kind <= mbError)
        return mrOk;
    if (m_replies.isEmpty()) {
        ++unanswered;
        return mrCancel;
    }
    return m_replies.takeFirst();
}
