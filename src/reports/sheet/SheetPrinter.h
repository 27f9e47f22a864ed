#pragma once

#include "Sheet.h"

#include <QDateTime>
#include <QList>
#include <QSizeF>

class QPrinter;

// Lays the used part of a sheet out on pages (down, then across) at the print scale,
// with the heading rows repeated and the page header and footer, and prints it.
class SheetPrinter
{
public:
    struct Page { int rowFirst, rowLast, colFirst, colLast; bool titles; };

    explicit SheetPrinter(const Sheet &sheet) : m_sheet(sheet) {}

    // Pages for a printable area in points (margins already taken off).
    QList<Page> paginate(QSizeF area) const;
    // Prints every page; the printer takes the sheet's page set-up first when asked.
    // Returns the number of pages, 0 when the printer could not start.
    int print(QPrinter *printer, bool applyPageSetup = true) const;

    static void applyPageSetup(const PageSetup &setup, QPrinter *printer);
    // &D date, &T time, &P page, &N pages; "&&" is an ampersand.
    static QString expandCodes(const QString &text, int page, int pages, const QDateTime &now);

private:
    static constexpr double HeaderSpace = 16; // points for the page header or footer line
    const Sheet &m_sheet;
};
