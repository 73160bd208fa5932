#pragma once

#include "platform/grid/columnspec.h"
#include "platform/grid/gridstyle.h"

#include <QStyledItemDelegate>

#include <functional>

class GridColumnsModel;

// Paints a grid's cells by the display kind of their column: texts with their
// alignment, icons without text, read-only check boxes, and cells the program
// draws itself. Row colours come from the grid style.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // dataSetRow gives the dataset row of a shown row (-1 for a group's own rows).
    GridDelegate(const GridColumnsModel* columns, std::function<int(int viewRow)> dataSetRow,
                 QObject* parent = nullptr);

    void setGridStyle(const GridStyle& style) { style_ = style; }
    const GridStyle& gridStyle() const { return style_; }
    void setFocusRectangle(bool shown) { focusRectangle_ = shown; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    const ColumnSpec* specOf(const QModelIndex& index) const;
    void paintBackground(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintGroupRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                       bool title) const;

    const GridColumnsModel* columns_;
    std::function<int(int)> dataSetRow_;
    GridStyle style_;
    bool focusRectangle_ = true;
};

// The marks the grid draws for yes/no and picture columns, sharp at any scale.
void PaintYesNoMark(QPainter& painter, const QRectF& rect, bool yes);
void PaintPictureMark(QPainter& painter, const QRectF& rect);
