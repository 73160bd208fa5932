#pragma once

#include <QHeaderView>

// The column header of a grid: a filter button at the right of each section when
// filters are on (drawn filled while the column is filtered). Clicking the button
// asks for the column's filter list instead of sorting.
class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeader(QWidget* parent = nullptr);

    void setFilterButtons(bool shown);
    bool filterButtons() const { return filterButtons_; }
    void setFilteredColumns(QList<int> columns);

    // The filter button of a section, in header coordinates (empty when none).
    QRect filterButtonRect(int logicalIndex) const;

signals:
    void filterButtonClicked(int logicalIndex);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int buttonAt(const QPoint& pos) const;
    QRect buttonInSection(const QRect& section) const;

    bool filterButtons_ = true;
    QList<int> filtered_;
    int pressedButton_ = -1;
};
