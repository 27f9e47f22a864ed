#pragma once

#include <QHash>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QVariant>
#include <functional>

class QPrinter;
class QWidget;
class Rows;

// Sums of the summed columns over a group (or the whole report) and its row count.
struct BandTotals {
    QHash<QString, double> sums;
    int count = 0;
    double sum(const QString &field) const { return sums.value(field.toUpper()); }
};

// What a dynamic text or value is computed from.
struct BandContext {
    const Rows *rows = nullptr;
    int row = -1;                       // the current row (-1 where there is none)
    int page = 0;                       // 1-based, in headers and footers
    const BandTotals *totals = nullptr; // in group footers and the summary
};

using BandText = std::function<QString(const BandContext &)>;

// A line of a title band, page header or summary: fixed text or computed text.
struct BandLine {
    QString text;
    Qt::Alignment align = Qt::AlignLeft;
    int fontSize = 10;
    bool bold = false;
    BandText dynamic;                   // when set, replaces text
    // Lines with the same row number share one printed line (left, centre, right).
    int row = -1;                       // -1: a line of its own
};

struct BandColumn {
    QString field;                      // field of the rows, or the key of a computed column
    QString heading;
    QString group;                      // heading over adjacent columns with the same group
    double widthMm = 20;
    Qt::Alignment align = Qt::AlignRight;
    QString mask;                       // "#,##0", "#,##0.00", "0.00"; empty prints as is
    bool grade = false;                 // 10/20/30 print as 优/正/合
    bool sum = false;                   // summed in group footers and the summary
    std::function<QVariant(const BandContext &)> compute; // a detail value not in the rows
    std::function<QVariant(const BandTotals &)> total;    // a total from the sums (averages)
};

struct BandGroup {
    QString field;                      // a new group starts when this value changes
    BandText header;                    // null: no group header
    BandText footerLabel;               // null: no group footer; printed before the sums
};

// A banded page layout over rows: title band (first page), page header (every page),
// column headings, nested groups with headers and sub-totals, detail rows, a summary
// with final totals, and a page footer with "制表：", the print time and the page number.
class BandReport
{
public:
    QString title;                      // document name for the printer
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{12, 10, 12, 10};
    QList<BandLine> titleBand;
    QList<BandLine> pageHeader;
    QList<BandColumn> columns;
    QList<BandGroup> groups;            // outermost first
    BandText summaryLabel;              // null: no summary band
    QList<BandLine> summaryLines;       // under the final totals
    bool pageFooter = true;
    QString preparedBy;                 // the operator's name after "制表："
    int detailFontSize = 9;
    double rowHeightMm = 6;
    const Rows *rows = nullptr;

    static QString gradeText(const QVariant &code); // 10 "优", 20 "正", 30 "合"
    static QPageSize customSize(double widthMm, double heightMm);

    // Prints every page; returns the page count (0 when the printer could not start).
    int print(QPrinter *printer) const;
    bool savePdf(const QString &path, QString *error) const;
    // The print preview, from which the user prints or saves a PDF.
    void preview(QWidget *parent) const;

    // The value of a column in a row, computed columns included.
    QVariant value(const BandColumn &column, int row) const;
    QString cellText(const BandColumn &column, const QVariant &value) const;
};
