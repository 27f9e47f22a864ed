#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

class TDictModel;

// Editors of a dictionary grid: text no longer than its column, numbers and dates
// parsed with a refusal that names the column, drop-downs for lookup columns.
class TDictDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // The editor last opened, so that a confirm can write what is being typed.
    QWidget *openEditor() const { return m_openEditor; }

private:
    mutable bool m_refusing = false;
    mutable QPointer<QWidget> m_openEditor;
};

// The grid of a dictionary table. Rows are written when the cursor leaves them; a row
// the database refuses keeps the cursor so it can be corrected. While editing, Enter
// moves to the next cell, Insert begins a row, Ctrl+Del deletes one and Escape gives up
// the changes of the current row.
class TDictGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TDictGrid(QWidget *parent = nullptr);

    void setDictModel(TDictModel *model);
    TDictModel *dictModel() const { return m_model; }

    void setEditing(bool on);
    bool isEditing() const { return m_editing; }

    int currentRowIndex() const { return currentIndex().row(); }
    void goToRow(int row, int column = -1);

    // Writes the current row when it has changes; false (message shown) when refused.
    bool postCurrent();
    void cancelCurrent();
    void insertAtCurrent();
    void deleteCurrent();

    // Asked before a row is deleted; deletes when it returns true.
    std::function<bool(int row)> beforeDelete;

signals:
    void enterWhileBrowsing();
    void f2Pressed();
    void rowPosted(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool post(int row);
    QWidget *openEditor() const;
    void moveToNextCell();

    TDictModel *m_model = nullptr;
    bool m_editing = false;
    bool m_moving = false;
};
