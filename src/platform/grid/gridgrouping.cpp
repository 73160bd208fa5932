#include "platform/grid/gridgrouping.h"

#include "platform/grid/gridfilter.h"

#include <algorithm>
#include <map>

GridGrouping::GridGrouping(QObject* parent) : QAbstractProxyModel(parent) {}

void GridGrouping::setSourceModel(QAbstractItemModel* source)
{
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    QAbstractProxyModel::setSourceModel(source);
    if (source) {
        // Every change of the rows regroups them; a grid changes its rows as a whole.
        connect(source, &QAbstractItemModel::modelReset, this, &GridGrouping::rebuild);
        connect(source, &QAbstractItemModel::layoutChanged, this, &GridGrouping::rebuild);
        connect(source, &QAbstractItemModel::rowsInserted, this, &GridGrouping::rebuild);
        connect(source, &QAbstractItemModel::rowsRemoved, this, &GridGrouping::rebuild);
        connect(source, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                    if (groupColumn_ >= 0) {
                        rebuild();
                    } else {
                        emit dataChanged(mapFromSource(topLeft), mapFromSource(bottomRight), roles);
                    }
                });
    }
    rebuild();
}

void GridGrouping::setGroupColumn(int column)
{
    groupColumn_ = column;
    collapsed_.clear();
    rebuild();
}

void GridGrouping::setGroupSummaries(std::vector<std::pair<int, FooterSummary>> summaries)
{
    summaries_ = std::move(summaries);
    rebuild();
}

void GridGrouping::rebuild()
{
    beginResetModel();
    rebuildNow();
    endResetModel();
}

void GridGrouping::rebuildNow()
{
    groups_.clear();
    entries_.clear();
    const QAbstractItemModel* source = sourceModel();
    const int rows = source ? source->rowCount() : 0;
    entryOfSource_.assign(size_t(rows), -1);
    if (!source)
        return;
    if (groupColumn_ < 0 || groupColumn_ >= source->columnCount()) {
        entries_.reserve(size_t(rows));
        for (int r = 0; r < rows; ++r) {
            entryOfSource_[size_t(r)] = r;
            entries_.push_back({DataRow, -1, r});
        }
        return;
    }
    const QString caption = source->headerData(groupColumn_, Qt::Horizontal).toString();
    std::map<QString, int> byText;
    std::vector<QVariant> keys;
    for (int r = 0; r < rows; ++r) {
        const QModelIndex i = source->index(r, groupColumn_);
        const QString text = i.data(Qt::DisplayRole).toString();
        auto [it, added] = byText.try_emplace(text, int(groups_.size()));
        if (added) {
            groups_.push_back({caption + QStringLiteral(" : ") + text, {}, {}});
            keys.push_back(i.data(Qt::UserRole));
        }
        groups_[size_t(it->second)].rows.push_back(r);
    }
    std::vector<int> order(groups_.size());
    for (size_t g = 0; g < order.size(); ++g)
        order[g] = int(g);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return GridFilter::compareValues(keys[size_t(a)], keys[size_t(b)]) < 0;
    });
    std::vector<Group> sorted;
    sorted.reserve(groups_.size());
    for (int g : order)
        sorted.push_back(std::move(groups_[size_t(g)]));
    groups_ = std::move(sorted);

    for (size_t g = 0; g < groups_.size(); ++g) {
        Group& group = groups_[g];
        for (const auto& [column, summary] : summaries_)
            group.summaries.push_back(SummaryText(summary, *source, column, &group.rows));
        entries_.push_back({GroupTitleRow, int(g), -1});
        if (collapsed_.contains(group.title))
            continue;
        for (int r : group.rows) {
            entryOfSource_[size_t(r)] = int(entries_.size());
            entries_.push_back({DataRow, int(g), r});
        }
        entries_.push_back({GroupFooterRow, int(g), -1});
    }
}

GridGrouping::RowKind GridGrouping::rowKind(int row) const
{
    return row >= 0 && row < int(entries_.size()) ? entries_[size_t(row)].kind : DataRow;
}

void GridGrouping::toggleGroup(int titleRow)
{
    if (rowKind(titleRow) != GroupTitleRow)
        return;
    const QString title = groups_[size_t(entries_[size_t(titleRow)].group)].title;
    if (!collapsed_.remove(title))
        collapsed_.insert(title);
    rebuild();
}

QModelIndex GridGrouping::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex GridGrouping::parent(const QModelIndex&) const
{
    return {};
}

int GridGrouping::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(entries_.size());
}

int GridGrouping::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !sourceModel() ? 0 : sourceModel()->columnCount();
}

QModelIndex GridGrouping::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || !sourceModel() || proxyIndex.row() >= int(entries_.size()))
        return {};
    const Entry& e = entries_[size_t(proxyIndex.row())];
    return e.kind == DataRow ? sourceModel()->index(e.sourceRow, proxyIndex.column()) : QModelIndex();
}

QModelIndex GridGrouping::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.row() >= int(entryOfSource_.size()))
        return {};
    const int row = entryOfSource_[size_t(sourceIndex.row())];
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

QVariant GridGrouping::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(entries_.size()))
        return {};
    const Entry& e = entries_[size_t(index.row())];
    if (role == RowKindRole)
        return int(e.kind);
    if (e.kind == DataRow)
        return sourceModel()->data(mapToSource(index), role);
    const Group& group = groups_[size_t(e.group)];
    if (e.kind == GroupTitleRow)
        return role == Qt::DisplayRole ? QVariant(group.title) : QVariant();
    for (size_t s = 0; s < summaries_.size(); ++s) {
        if (summaries_[s].first != index.column())
            continue;
        if (role == Qt::DisplayRole)
            return group.summaries[s];
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant GridGrouping::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!sourceModel() || orientation == Qt::Vertical)
        return {};
    return sourceModel()->headerData(section, orientation, role);
}

Qt::ItemFlags GridGrouping::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return rowKind(index.row()) == DataRow ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

void GridGrouping::sort(int column, Qt::SortOrder order)
{
    if (sourceModel())
        sourceModel()->sort(column, order);
}
