#pragma once

#include <QMap>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <functional>

// The rows a grid shows: narrowed by the header filters (one chosen display text
// per column, all of them must match) and sorted by raw value, nulls first.
class GridFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit GridFilter(QObject* parent = nullptr);

    // The column's distinct display texts over every row, sorted like the column.
    QStringList distinctValues(int column) const;

    void setColumnFilter(int column, const QString& value);
    void clearColumnFilter(int column);
    void clearFilters();
    bool hasFilter(int column) const { return filters_.contains(column); }
    QMap<int, QString> filters() const { return filters_; }

    // Orders two source rows by a column straight from the data (negative, 0 or
    // positive), in place of reading both values through the model.
    using RowComparator = std::function<int(int leftRow, int rightRow, int column)>;
    void setRowComparator(RowComparator comparator);

    // The order of two raw values (invalid = null): negative, 0 or positive.
    static int compareValues(const QVariant& left, const QVariant& right);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QMap<int, QString> filters_;
    RowComparator comparator_;
};
