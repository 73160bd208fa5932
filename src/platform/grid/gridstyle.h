#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// Colours and font of a grid. The default is the program's own look: a red header
// with white bold text, light grey even rows, white odd rows, a light blue selected
// row with black text and white grid lines. The skins are named looks of their own.
struct GridStyle {
    QColor headerBackground{200, 30, 30};
    QColor headerText{Qt::white};
    bool headerBold = true;
    QColor evenRow{239, 239, 239}; // rows counted from 0
    QColor oddRow{Qt::white};
    QColor selectedRow{210, 240, 249};
    QColor selectedText{Qt::black};
    QColor text{Qt::black};
    QColor gridLines{Qt::white};
    QColor footerBackground{245, 245, 245};
    QColor footerText{Qt::black};
    QString fontFamily = QStringLiteral("Arial");
    int fontPixelSize = 13;

    // The background of a row at that position, selection included.
    QColor rowBackground(int viewRow, bool selected) const
    {
        return selected ? selectedRow : (viewRow % 2 == 0 ? evenRow : oddRow);
    }

    QFont font() const;

    static GridStyle standard() { return {}; }
    // "VS2010" and "silver"; any other name gives the standard look.
    static GridStyle skin(const QString& name);
};

// The style sheet that gives a table view and its headers this look.
QString GridStyleSheet(const GridStyle& style);
