#include "MsgBox.h"

#include <cstdio>

namespace {
std::shared_ptr<MsgBoxPresenter> &presenter()
{
    static std::shared_ptr<MsgBoxPresenter> p;
    return p;
}
} // namespace

std::shared_ptr<MsgBoxPresenter> SetMsgBoxPresenter(std::shared_ptr<MsgBoxPresenter> p)
{
    std::swap(presenter(), p);
    return p;
}

QString MsgBoxCaption(int kind)
{
    switch (kind) {
    case mbInformation: return QStringLiteral("信息");
    case mbError: return QStringLiteral("错误");
    case mbOkCancel:
    case mbYesNoCancel: return QStringLiteral("问题");
    default: return {};
    }
}

int MsgBox(int kind, const QString &text)
{
    if (kind < mbInformation || kind > mbYesNoCancel)
        return mrNone;
    if (const auto &p = presenter())
        return p->present(kind, MsgBoxCaption(kind), text);
    std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(MsgBoxCaption(kind)), qUtf8Printable(text));
    return kind <= mbError ? mrOk : mrCancel;
}
