#include "platform/grid/gridstyle.h"

QFont GridStyle::font() const
{
    QFont f(fontFamily);
    f.setPixelSize(fontPixelSize);
    return f;
}

GridStyle GridStyle::skin(const QString& name)
{
    GridStyle s;
    if (name.compare(QLatin1String("VS2010"), Qt::CaseInsensitive) == 0) {
        s.headerBackground = QColor(188, 199, 216);
        s.headerText = QColor(30, 57, 91);
        s.headerBold = false;
        s.evenRow = QColor(Qt::white);
        s.oddRow = QColor(240, 244, 250);
        s.selectedRow = QColor(255, 232, 166);
        s.gridLines = QColor(214, 223, 236);
        s.footerBackground = QColor(214, 223, 236);
        s.footerText = QColor(30, 57, 91);
    } else if (name.compare(QLatin1String("silver"), Qt::CaseInsensitive) == 0) {
        s.headerBackground = QColor(220, 222, 226);
        s.headerText = QColor(59, 59, 59);
        s.headerBold = false;
        s.evenRow = QColor(Qt::white);
        s.oddRow = QColor(246, 246, 247);
        s.selectedRow = QColor(199, 209, 224);
        s.gridLines = QColor(210, 212, 216);
        s.footerBackground = QColor(230, 231, 233);
        s.footerText = QColor(59, 59, 59);
    }
    return s;
}

QString GridStyleSheet(const GridStyle& s)
{
    return QStringLiteral(
               "QTableView { background: %1; alternate-background-color: %2; gridline-color: %3;"
               " color: %4; selection-background-color: %5; selection-color: %6; }"
               "QHeaderView::section:horizontal { background: %7; color: %8; font-weight: %9;"
               " border: none; border-right: 1px solid %3; padding: 0 14px 0 2px; }"
               "QHeaderView::section:vertical { background: %7; border: none; }"
               "QTableView QTableCornerButton::section { background: %7; border: none; }")
        .arg(s.evenRow.name(), s.oddRow.name(), s.gridLines.name(), s.text.name(), s.selectedRow.name(),
             s.selectedText.name(), s.headerBackground.name(), s.headerText.name(),
             s.headerBold ? QStringLiteral("bold") : QStringLiteral("normal"));
}
