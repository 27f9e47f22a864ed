#include "frmPrtBscTbl.h"

#include "DBNavigator.h"
#include "DataModule.h"
#include "DictGrid.h"
#include "Guard.h"
#include "MsgBox.h"
#include "Pinyin.h"
#include "Sql.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

TfrmPrtBscTbl::TfrmPrtBscTbl(QWidget *parent) : TfrmPrtDialog(parent)
{
    setObjectName(QStringLiteral("frmPrtBscTbl"));
    setWindowTitle(QStringLiteral("基础表维护查询界面父类"));

    auto *top = new QWidget(this);
    markToolBar(top);
    auto *topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(8, 6, 8, 6);
    auto *lbKeyWord = new QLabel(QStringLiteral("关键字："), top);
    edKeyWord = new QLineEdit(top);
    edKeyWord->setObjectName(QStringLiteral("edKeyWord"));
    edKeyWord->setMinimumWidth(160);
    lbKeyWord->setBuddy(edKeyWord);
    rbNumCode = new QRadioButton(QStringLiteral("数字码"), top);
    rbNumCode->setObjectName(QStringLiteral("rbNumCode"));
    rbName = new QRadioButton(QStringLiteral("模糊查找"), top);
    rbName->setObjectName(QStringLiteral("rbName"));
    rbName->setChecked(true);
    auto button = [](const QString &name, const QString &text, QWidget *parent) {
        auto *b = new QPushButton(text, parent);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    btnFind = button(QStringLiteral("btnFind"), QStringLiteral(" 查找"), top);
    btnReset = button(QStringLiteral("btnReset"), QStringLiteral(" 全部"), top);
    btnModify = button(QStringLiteral("btnModify"), QStringLiteral(" 修改"), top);
    btnModify->setCheckable(true);
    topRow->addWidget(lbKeyWord);
    topRow->addWidget(edKeyWord, 1);
    topRow->addWidget(rbNumCode);
    topRow->addWidget(rbName);
    topRow->addSpacing(8);
    topRow->addWidget(btnFind);
    topRow->addWidget(btnReset);
    topRow->addStretch();
    topRow->addWidget(btnModify);

    m_grid = new TDictGrid(this);
    m_grid->setObjectName(QStringLiteral("dbgResult"));
    m_side = new QHBoxLayout;
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(8, 0, 8, 0);
    middle->addWidget(m_grid, 1);
    middle->addLayout(m_side);

    nav = new TDBNavigator(m_grid, this);
    nav->setObjectName(QStringLiteral("nav"));
    nav->hide();
    lbCount = new QLabel(QStringLiteral("记录数："), this);
    lbCount->setObjectName(QStringLiteral("lbCount"));
    btnOK = button(QStringLiteral("btnOK"), QStringLiteral(" 确  认"), this);
    btnCancel = button(QStringLiteral("btnCancel"), QStringLiteral(" 取  消"), this);
    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(8, 0, 8, 0);
    bottom->addWidget(nav);
    bottom->addSpacing(12);
    bottom->addWidget(lbCount);
    bottom->addStretch();
    bottom->addWidget(btnOK);
    bottom->addWidget(btnCancel);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    lbStatus = new QLabel(QStringLiteral("F2：切换修改状态　　Ctrl+Del：删除　　Ins：插入　　Escape：取消修改"), StatusBar1);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    StatusBar1->addWidget(lbStatus, 1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(6);
    page->addWidget(top);
    page->addLayout(middle, 1);
    page->addLayout(bottom);
    page->addWidget(StatusBar1);

    edKeyWord->installEventFilter(this);
    connect(btnFind, &QPushButton::clicked, this, [this] { btnFindClick(); });
    connect(btnReset, &QPushButton::clicked, this, [this] { btnResetClick(); });
    connect(btnModify, &QPushButton::clicked, this, [this] { btnModifyClick(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(nav, &TDBNavigator::refreshRequested, this, [this] { refreshTable(); });
    connect(m_grid, &TDictGrid::enterWhileBrowsing, this, [this] { dbgResultEnter(); });
    connect(m_grid, &TDictGrid::f2Pressed, this, [this] {
        if (btnModify->isEnabled())
            btnModify->click();
    });
    m_grid->beforeDelete = [this](int row) { return tblResultBeforeDelete(row); };
    setDesignedSize(760, 480);
}

void TfrmPrtBscTbl::setTable(const QString &table, const QList<TDictColumn> &columns, const QString &orderBy)
{
    m_model = new TDictModel(DM().dbMain(), table, this);
    QList<TDictColumn> cols = columns;
    for (TDictColumn &c : cols)
        c.readOnly = c.readOnly || c.field == QLatin1String("ID"); // keys are given, never typed
    m_model->setColumns(cols);
    if (!orderBy.isEmpty())
        m_model->setSelect(QStringLiteral("ORDER BY ") + orderBy);
    m_model->onNewRecord = [this](int row) { tblResultNewRecord(row); };
    m_model->beforeChange = [this](int row, const QString &f, const QVariant &v) {
        return tblResultBeforeChange(row, f, v);
    };
    m_model->afterChange = [this](int row, const QString &f) { tblResultFieldChanged(row, f); };
    m_grid->setDictModel(m_model);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { dbgResultRowChanged(current.row()); });
}

void TfrmPrtBscTbl::setEditRoles(const QString &letters, const QString &refusal)
{
    m_editRoles = letters;
    m_refusal = refusal;
}

void TfrmPrtBscTbl::setStatusText(const QString &text)
{
    lbStatus->setText(text);
}

void TfrmPrtBscTbl::setDesignedSize(int width, int height)
{
    setMinimumSize(width, height);
    resize(width, height);
}

std::shared_ptr<TDictLookup> TfrmPrtBscTbl::addLookup(const QString &sql, const QString &codeTitle,
                                                      const QString &nameTitle)
{
    auto l = std::make_shared<TDictLookup>();
    l->sql = sql;
    l->codeTitle = codeTitle;
    l->nameTitle = nameTitle;
    m_lookups << l;
    return l;
}

void TfrmPrtBscTbl::openTable()
{
    Guarded([this] {
        for (const auto &l : std::as_const(m_lookups))
            l->load(m_model->database());
        m_model->open();
    });
    if (m_model->rowCount() > 0)
        m_grid->goToRow(0, 0);
    updateCount();
}

void TfrmPrtBscTbl::updateCount()
{
    lbCount->setText(QStringLiteral("记录数：") + QString::number(rowsShown()));
}

int TfrmPrtBscTbl::rowsShown() const
{
    return m_model ? m_model->rowCount() : 0;
}

bool TfrmPrtBscTbl::isEditing() const
{
    return m_grid->isEditing();
}

QVariant TfrmPrtBscTbl::currentValue(const QString &field) const
{
    return m_model->value(m_grid->currentRowIndex(), field);
}

void TfrmPrtBscTbl::btnFindClick()
{
    const QString keyword = edKeyWord->text();
    if (rbNumCode->isChecked()) {
        const int row = m_model->findExact(m_exactColumn, keyword);
        if (row >= 0)
            m_grid->goToRow(row);
    } else if (postPending()) {
        m_model->setFilter(m_filterColumn, keyword);
        if (m_model->rowCount() > 0)
            m_grid->goToRow(0, qMin(1, m_model->columnCount() - 1));
        updateCount();
    }
    m_grid->setFocus();
}

void TfrmPrtBscTbl::btnResetClick()
{
    if (!postPending())
        return;
    m_model->clearFilter();
    if (m_model->rowCount() > 0)
        m_grid->goToRow(0);
    updateCount();
}

void TfrmPrtBscTbl::btnModifyClick()
{
    // The button's pressed state is flipped already; this decides whether it stays.
    if (!isEditing()) {
        if (!canModify()) {
            btnModify->setChecked(false);
            return;
        }
        btnModify->setChecked(true);
        setEditing(true);
    } else {
        if (!postPending()) {
            btnModify->setChecked(true);
            return;
        }
        btnModify->setChecked(false);
        setEditing(false);
    }
}

bool TfrmPrtBscTbl::canModify()
{
    if (m_editRoles.isEmpty())
        return true;
    bool allowed = false;
    Guarded([&] {
        for (const QChar c : std::as_const(m_editRoles))
            allowed = allowed || DM().StaffHasRole(QString(c));
    });
    if (!allowed)
        MsgBox(mbError, m_refusal);
    return allowed;
}

void TfrmPrtBscTbl::setEditing(bool on)
{
    m_grid->setEditing(on);
    nav->setVisible(on);
    btnOK->setVisible(!on);
    btnCancel->setVisible(!on);
}

bool TfrmPrtBscTbl::postPending()
{
    return m_grid->postCurrent();
}

void TfrmPrtBscTbl::btnOKClick()
{
    done(mrOk);
}

void TfrmPrtBscTbl::btnCancelClick()
{
    done(mrCancel);
}

void TfrmPrtBscTbl::reject()
{
    done(mrCancel);
}

void TfrmPrtBscTbl::done(int result)
{
    // A row being typed is written, not lost, when the window closes.
    if (m_model && !postPending())
        return;
    TfrmPrtDialog::done(result);
}

int TfrmPrtBscTbl::nextId() const
{
    const QVariant max = Sql::scalar(m_model->database(), QStringLiteral("SELECT MAX(ID) ID FROM ") + m_model->tableName());
    return max.isNull() ? 1 : max.toInt() + 1;
}

void TfrmPrtBscTbl::tblResultNewRecord(int row)
{
    Guarded([&] { m_model->setValue(row, QStringLiteral("ID"), nextId()); });
}

bool TfrmPrtBscTbl::tblResultBeforeDelete(int)
{
    return MsgBox(mbOkCancel, QStringLiteral("删除当前行的记录吗？")) == mrOk;
}

bool TfrmPrtBscTbl::tblResultBeforeChange(int, const QString &, const QVariant &)
{
    return true;
}

void TfrmPrtBscTbl::setPinyinSource(const QString &field)
{
    m_pinyinSource = field;
}

void TfrmPrtBscTbl::tblResultFieldChanged(int row, const QString &field)
{
    if (!m_pinyinSource.isEmpty() && field == m_pinyinSource) {
        const QString initials = PinyinInitials(m_model->value(row, field).toString().trimmed());
        m_model->setValue(row, QStringLiteral("PYCODE"), initials.left(m_model->maxLengthOf(QStringLiteral("PYCODE"))));
    }
}

void TfrmPrtBscTbl::dbgResultEnter()
{
    if (!btnModify->isChecked())
        btnOK->click();
}

void TfrmPrtBscTbl::dbgResultRowChanged(int) {}

void TfrmPrtBscTbl::refreshTable()
{
    if (!postPending())
        return;
    const int row = m_grid->currentRowIndex();
    const QString keyField = m_model->schema().primaryKey.value(0);
    const QVariant key = m_model->value(row, keyField);
    openTable();
    const int again = m_model->findRow(keyField, key);
    if (again >= 0)
        m_grid->goToRow(again);
}

void TfrmPrtBscTbl::showEvent(QShowEvent *event)
{
    TfrmPrtDialog::showEvent(event);
    edKeyWord->selectAll();
    edKeyWord->setFocus();
}

bool TfrmPrtBscTbl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edKeyWord && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            btnFind->click();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_Down:
            m_grid->setFocus();
            return true;
        default:
            break;
        }
    }
    return TfrmPrtDialog::eventFilter(watched, event);
}
