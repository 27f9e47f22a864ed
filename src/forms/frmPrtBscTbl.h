#pragma once

#include "DictModel.h"
#include "frmPrtDialog.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class TDBNavigator;
class TDictGrid;

// The dictionary table editor every master-data window derives from: a keyword search,
// a grid over the whole table, and a switch between browsing and editing. A derived
// window names its table and columns in its constructor, then calls openTable(); it may
// replace the steps below (role check, new-row defaults, delete guard, field changes).
//
// Result: mrOk (1) after " 确  认", mrCancel (2) after " 取  消" or Escape; a picker
// reads the current row with currentValue() after mrOk.
class TfrmPrtBscTbl : public TfrmPrtDialog
{
    Q_OBJECT
public:
    explicit TfrmPrtBscTbl(QWidget *parent = nullptr);

    TDictModel *tblResult() const { return m_model; }
    TDictGrid *dbgResult() const { return m_grid; }
    bool isEditing() const;
    QVariant currentValue(const QString &field) const;
    int rowsShown() const;

    void btnFindClick();
    void btnResetClick();
    void btnModifyClick();
    void btnOKClick();
    void btnCancelClick();

    void done(int result) override;
    void reject() override;

protected:
    // Set-up, from the derived constructor.
    void setTable(const QString &table, const QList<TDictColumn> &columns,
                  const QString &orderBy = QStringLiteral("NUMCODE"));
    // Letters of which the operator needs one to edit; empty lets everybody edit.
    void setEditRoles(const QString &letters, const QString &refusal);
    void setStatusText(const QString &text);
    // PYCODE follows this field: its pinyin initials whenever it changes.
    void setPinyinSource(const QString &field);
    void setDesignedSize(int width, int height);
    void openTable(); // open and count; a failure is shown and leaves the grid empty
    void updateCount();
    // Room to the right of the grid for a legend or a second grid.
    QHBoxLayout *sideArea() const { return m_side; }
    // A drop-down list read from the server when the table opens.
    std::shared_ptr<TDictLookup> addLookup(const QString &sql, const QString &codeTitle = QStringLiteral("编码"),
                                           const QString &nameTitle = QStringLiteral("名称"));

    // Steps a derived window may replace.
    virtual bool canModify();
    virtual void setEditing(bool on);
    virtual void tblResultNewRecord(int row);
    virtual bool tblResultBeforeDelete(int row);
    virtual bool tblResultBeforeChange(int row, const QString &field, const QVariant &value);
    virtual void tblResultFieldChanged(int row, const QString &field);
    virtual void dbgResultEnter();
    virtual void dbgResultRowChanged(int row);
    virtual void refreshTable();

    // Writes pending rows before the window closes or the rows are read anew.
    virtual bool postPending();

    // The ID default: MAX(ID) + 1 of the table, 1 for an empty one.
    int nextId() const;

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *edKeyWord;
    QRadioButton *rbNumCode;
    QRadioButton *rbName;
    QPushButton *btnFind;
    QPushButton *btnReset;
    QPushButton *btnModify;
    TDBNavigator *nav;
    QLabel *lbCount;
    QPushButton *btnOK;
    QPushButton *btnCancel;
    QStatusBar *StatusBar1;
    QLabel *lbStatus;

private:
    TDictModel *m_model = nullptr;
    TDictGrid *m_grid;
    QHBoxLayout *m_side;
    QString m_editRoles;
    QString m_refusal;
    QString m_pinyinSource;
    // The exact search compares the second grid column, the filter looks into the third.
    int m_exactColumn = 1;
    int m_filterColumn = 2;
    QList<std::shared_ptr<TDictLookup>> m_lookups;
};
