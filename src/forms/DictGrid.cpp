#include "DictGrid.h"

#include "DictModel.h"
#include "Guard.h"
#include "MsgBox.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

QWidget *TDictDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const auto *model = qobject_cast<const TDictModel *>(index.model());
    const TDictColumn &c = model->columns().at(index.column());
    QWidget *editor;
    if (c.lookup) {
        auto *cb = new QComboBox(parent);
        cb->addItem(QString(), QVariant());
        for (const TDictLookup::Item &it : std::as_const(c.lookup->items))
            cb->addItem(it.code + QStringLiteral("  ") + it.name, it.id);
        cb->setToolTip(c.lookup->codeTitle + QStringLiteral(" / ") + c.lookup->nameTitle);
        editor = cb;
    } else {
        auto *ed = new QLineEdit(parent);
        if (const int n = model->maxLength(index.column()); n > 0)
            ed->setMaxLength(n);
        editor = ed;
    }
    m_openEditor = editor;
    return editor;
}

void TDictDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QVariant v = index.data(Qt::EditRole);
    if (auto *cb = qobject_cast<QComboBox *>(editor)) {
        const int i = v.isNull() ? 0 : cb->findData(v);
        cb->setCurrentIndex(qMax(0, i));
    } else if (auto *ed = qobject_cast<QLineEdit *>(editor)) {
        ed->setText(v.toString());
    }
}

void TDictDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (m_refusing)
        return;
    if (auto *cb = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, cb->currentData(), Qt::EditRole);
        return;
    }
    auto *ed = qobject_cast<QLineEdit *>(editor);
    auto *dict = qobject_cast<TDictModel *>(model);
    if (!ed || !dict)
        return;
    QVariant v;
    QString refusal;
    if (!dict->parse(index.column(), ed->text(), &v, &refusal)) {
        // The message takes the focus from the editor, which would commit again.
        m_refusing = true;
        MsgBox(mbError, refusal);
        m_refusing = false;
        return;
    }
    dict->setData(index, v, Qt::EditRole);
}

TDictGrid::TDictGrid(QWidget *parent) : QTableView(parent)
{
    setItemDelegate(new TDictDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setMinimumWidth(16);
    horizontalHeader()->setHighlightSections(false);
    setTabKeyNavigation(true);
}

void TDictGrid::setDictModel(TDictModel *model)
{
    m_model = model;
    setModel(model);
    const QFontMetrics fm = fontMetrics();
    for (int c = 0; c < model->columnCount(); ++c) {
        const TDictColumn &col = model->columns().at(c);
        int chars = model->maxLength(c);
        chars = chars > 0 ? qBound(4, chars, 14) : (col.lookup ? 10 : 8);
        const int titleWidth = fm.horizontalAdvance(QString(col.title).section(u'~', 0, 0)) + 16;
        setColumnWidth(c, qMax(titleWidth, fm.horizontalAdvance(QString(chars, u'0')) + 12));
    }
    for (const TDictColumn &col : model->columns())
        if (col.title.contains(u'~'))
            horizontalHeader()->setMinimumHeight(fm.height() * 2 + 8);
}

void TDictGrid::setEditing(bool on)
{
    m_editing = on;
    if (m_model)
        m_model->setEditable(on);
    setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                       : QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setStyleSheet(on ? QStringLiteral("QHeaderView::section { color: purple; }") : QString());
}

void TDictGrid::goToRow(int row, int column)
{
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    if (column < 0)
        column = qMax(0, currentIndex().column());
    const QModelIndex idx = m_model->index(row, column);
    selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(idx);
}

QWidget *TDictGrid::openEditor() const
{
    if (state() != QAbstractItemView::EditingState)
        return nullptr;
    QWidget *ed = static_cast<TDictDelegate *>(itemDelegate())->openEditor();
    return ed && ed->isVisible() ? ed : nullptr;
}

bool TDictGrid::post(int row)
{
    if (!m_model->isDirty(row))
        return true;
    if (!Guarded([&] { m_model->post(row); }))
        return false;
    emit rowPosted(row);
    return true;
}

bool TDictGrid::postCurrent()
{
    if (!m_model)
        return true;
    if (QWidget *ed = openEditor()) {
        commitData(ed);
        QTableView::closeEditor(ed, QAbstractItemDelegate::NoHint);
    }
    return post(currentRowIndex());
}

void TDictGrid::cancelCurrent()
{
    if (!m_model)
        return;
    if (QWidget *ed = openEditor())
        QTableView::closeEditor(ed, QAbstractItemDelegate::RevertModelCache);
    const int row = currentRowIndex();
    const int column = qMax(0, currentIndex().column());
    const bool inserted = m_model->isInserted(row);
    m_model->cancel(row);
    if (inserted)
        goToRow(qMin(row, m_model->rowCount() - 1), column);
}

void TDictGrid::insertAtCurrent()
{
    if (!m_model || !postCurrent())
        return;
    const int column = qMax(0, currentIndex().column());
    const int row = m_model->insertRecord(qMax(0, currentRowIndex()));
    goToRow(row, column);
}

void TDictGrid::deleteCurrent()
{
    const int row = currentRowIndex();
    if (!m_model || row < 0)
        return;
    if (beforeDelete && !beforeDelete(row))
        return;
    const int column = qMax(0, currentIndex().column());
    if (Guarded([&] { m_model->remove(row); }))
        goToRow(qMin(row, m_model->rowCount() - 1), column);
}

void TDictGrid::moveToNextCell()
{
    const QModelIndex cur = currentIndex();
    if (!cur.isValid())
        return;
    if (cur.column() + 1 < m_model->columnCount())
        goToRow(cur.row(), cur.column() + 1);
    else if (cur.row() + 1 < m_model->rowCount())
        goToRow(cur.row() + 1, 0);
}

void TDictGrid::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_F2:
        emit f2Pressed();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // From an open cell editor the delegate commits and then moves on (closeEditor).
        if (state() == QAbstractItemView::EditingState)
            return;
        if (m_editing)
            moveToNextCell();
        else
            emit enterWhileBrowsing();
        return;
    case Qt::Key_Insert:
        if (m_editing)
            insertAtCurrent();
        return;
    case Qt::Key_Delete:
        if (m_editing && ctrl) {
            deleteCurrent();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (m_editing && m_model && m_model->isDirty(currentRowIndex())) {
            cancelCurrent();
            return;
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

void TDictGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous); // commits an open editor first
    if (m_moving || !m_model || !previous.isValid() || previous.row() == current.row())
        return;
    if (!post(previous.row())) {
        // The row stays under the cursor until it is corrected or cancelled.
        m_moving = true;
        goToRow(previous.row(), previous.column());
        m_moving = false;
    }
}

void TDictGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        // Enter in a cell editor: the value is in, go on to the next cell.
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveToNextCell();
        return;
    }
    QTableView::closeEditor(editor, hint);
}
