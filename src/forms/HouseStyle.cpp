#include "HouseStyle.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

namespace HouseStyle {

void apply(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QFont font = app.font();
    for (const QString &family : {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"),
                                  QStringLiteral("WenQuanYi Micro Hei")}) {
        if (QFontDatabase::families().contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSize(10);
    app.setFont(font);

    QPalette p = app.palette();
    const QColor background(0xF3, 0xF5, 0xF8);
    const QColor panel(0xE6, 0xEB, 0xF1);
    const QColor accent(0x2F, 0x6F, 0xA8);
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xF7, 0xF9, 0xFB));
    p.setColor(QPalette::Button, panel);
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFB, 0xE6));
    app.setPalette(p);

    app.setStyleSheet(QStringLiteral(
        "QWidget[tag=\"10\"] { background: #D9E2EC; }"
        "QStatusBar { background: #D9E2EC; }"
        "QStatusBar QLabel { padding: 0 8px; }"
        "QMenuBar { background: #E6EBF1; }"
        "QToolBox::tab { background: #D9E2EC; border-radius: 3px; padding: 4px; font-weight: bold; }"
        "QToolBox::tab:selected { background: #2F6FA8; color: white; }"
        "QHeaderView::section { background: #E6EBF1; padding: 3px; border: 0; border-right: 1px solid #C9D3DE;"
        " border-bottom: 1px solid #C9D3DE; }"
        "QTableView { gridline-color: #D5DCE4; selection-background-color: #2F6FA8; }"
        "QPushButton { padding: 4px 14px; }"
        "QLineEdit, QComboBox, QDateTimeEdit, QSpinBox, QDoubleSpinBox { padding: 2px 4px; }"));
}

} // namespace HouseStyle
