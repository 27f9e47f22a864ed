#pragma once

#include "Sheet.h"
#include "SheetFill.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;
class SheetView;

// The report viewer: lays rows out as a formatted sheet, lets the user scale, sort, set up
// the page, print and save it, and remembers column widths and scale per report title.
// Shown modally (exec(), fills 500 ms after showing) or beside the caller (ShowAndFill()).
// Frees itself when closed, so it is always created with new.
class TfrmF1Book : public QDialog, public F1BookInputs
{
    Q_OBJECT
public:
    explicit TfrmF1Book(QWidget *parent = nullptr);
    ~TfrmF1Book() override;

    void ShowAndFill();             // non-modal: shows, waits 500 ms, fills
    // Fills now (the timers call this); returns false when nothing was filled.
    bool FillSheet();

    Sheet *sheet() { return &m_sheet; }
    SheetView *view() const { return m_view; }
    const FillResult &fillResult() const { return m_result; }
    bool isFilled() const { return m_filled; }

    // Button handlers; public so that callers and tests can drive them.
    void btnPrintClick();
    void btnSetupClick();
    void btnPreviewClick();
    void btnSortClick();
    void btnSaveXlsClick();
    void btnSaveSetClick();
    void btnCloseClick();
    void speScaleChange(int value);

    // Writes the sheet to .xlsx, or to PDF when the name ends in ".pdf"; reports the
    // outcome with MsgBox and keeps the viewer open either way.
    bool saveToFile(const QString &path);
    QString proposedFileName() const;
    // Prints every page to the printer (a PDF printer in tests); returns the page count.
    int printTo(class QPrinter *printer);

protected:
    void showEvent(QShowEvent *event) override;
    // What the sheet shows before filling; the salary variant draws its headings here.
    virtual void prepareSheet();
    virtual bool largerBottomLine() const { return m_modal; }

    Sheet m_sheet;
    SheetView *m_view = nullptr;

private:
    void progressStep(int row);
    bool sortDialog(const CellRange &range);

    QSpinBox *m_speScale = nullptr;
    QLabel *m_lbProgress = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_lbMessage = nullptr;
    QTimer *m_startTimer = nullptr;
    FillResult m_result;
    bool m_prepared = false;
    bool m_filled = false;
    bool m_modal = true;
    QElapsedTimer m_progressClock;
};
