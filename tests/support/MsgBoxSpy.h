#pragma once

#include "MsgBox.h"

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

// Records every message (kind and text) and answers questions from a queue. Installed
// for its lifetime; an unexpected question (empty queue) is recorded and answered Cancel.
class MsgBoxSpy : public MsgBoxPresenter
{
public:
    struct Message { int kind; QString text; };

    static std::shared_ptr<MsgBoxSpy> install();
    ~MsgBoxSpy() override = default;

    int present(int kind, const QString &caption, const QString &text) override;

    void answer(int reply) { m_replies.append(reply); }
    QList<Message> messages;
    int unanswered = 0;
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
    void clear() { messages.clear(); m_replies.clear(); unanswered = 0; }

private:
    QList<int> m_replies;
};
