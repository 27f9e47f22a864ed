#include "DBNavigator.h"

#include "DictGrid.h"
#include "DictModel.h"

#include <QHBoxLayout>
#include <QToolButton>

TDBNavigator::TDBNavigator(TDictGrid *grid, QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    auto add = [&](const char *name, const QString &glyph, const QString &hint, auto slot) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(glyph);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setMinimumWidth(26);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, slot);
        row->addWidget(b);
    };
    add("nbFirst", QStringLiteral("|◀"), QStringLiteral("第一行"), [grid] { grid->goToRow(0); });
    add("nbLast", QStringLiteral("▶|"), QStringLiteral("最后一行"),
        [grid] { grid->goToRow(grid->dictModel()->rowCount() - 1); });
    add("nbInsert", QStringLiteral("＋"), QStringLiteral("插入"), [grid] { grid->insertAtCurrent(); });
    add("nbDelete", QStringLiteral("－"), QStringLiteral("删除"), [grid] { grid->deleteCurrent(); });
    add("nbPost", QStringLiteral("✓"), QStringLiteral("确认"), [grid] { grid->postCurrent(); });
    add("nbCancel", QStringLiteral("✕"), QStringLiteral("取消"), [grid] { grid->cancelCurrent(); });
    add("nbRefresh", QStringLiteral("↻"), QStringLiteral("刷新"), [this] { emit refreshRequested(); });
}

QToolButton *TDBNavigator::button(const QString &name) const
{
    return findChild<QToolButton *>(name);
}
