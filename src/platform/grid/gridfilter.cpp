#include "platform/grid/gridfilter.h"

#include <algorithm>
#include <map>

GridFilter::GridFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(Qt::UserRole);
    setDynamicSortFilter(true);
}

int GridFilter::compareValues(const QVariant& left, const QVariant& right)
{
    if (!left.isValid() || !right.isValid())
        return int(left.isValid()) - int(right.isValid());
    if (left.typeId() == QMetaType::QString && right.typeId() == QMetaType::QString)
        return left.toString().localeAwareCompare(right.toString());
    const QPartialOrdering order = QVariant::compare(left, right);
    if (order == QPartialOrdering::Less)
        return -1;
    if (order == QPartialOrdering::Greater)
        return 1;
    return 0;
}

QStringList GridFilter::distinctValues(int column) const
{
    const QAbstractItemModel* source = sourceModel();
    if (!source || column < 0 || column >= source->columnCount())
        return {};
    // Keyed by text; the first raw value of each text decides its place.
    std::map<QString, QVariant> seen;
    for (int r = 0; r < source->rowCount(); ++r) {
        const QModelIndex i = source->index(r, column);
        seen.try_emplace(i.data(Qt::DisplayRole).toString(), i.data(Qt::UserRole));
    }
    std::vector<std::pair<QString, QVariant>> values(seen.begin(), seen.end());
    std::stable_sort(values.begin(), values.end(), [](const auto& a, const auto& b) {
        return compareValues(a.second, b.second) < 0;
    });
    QStringList texts;
    texts.reserve(qsizetype(values.size()));
    for (const auto& v : values)
        texts.append(v.first);
    return texts;
}

// A filter change replaces the rows as a whole: one reset instead of a removal
// signal for every gap between the rows that stay.
void GridFilter::setColumnFilter(int column, const QString& value)
{
    beginResetModel();
    filters_.insert(column, value);
    endResetModel();
}

void GridFilter::clearColumnFilter(int column)
{
    if (!filters_.contains(column))
        return;
    beginResetModel();
    filters_.remove(column);
    endResetModel();
}

void GridFilter::clearFilters()
{
    if (filters_.isEmpty())
        return;
    beginResetModel();
    filters_.clear();
    endResetModel();
}

void GridFilter::setRowComparator(RowComparator comparator)
{
    comparator_ = std::move(comparator);
}

bool GridFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QAbstractItemModel* source = sourceModel();
    for (auto it = filters_.cbegin(); it != filters_.cend(); ++it)
        if (source->index(sourceRow, it.key(), sourceParent).data(Qt::DisplayRole).toString() != it.value())
            return false;
    return true;
}

bool GridFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (comparator_)
        return comparator_(left.row(), right.row(), left.column()) < 0;
    return compareValues(left.data(sortRole()), right.data(sortRole())) < 0;
}
