#pragma once

#include "platform/grid/gridfooter.h"

#include <QAbstractProxyModel>
#include <QSet>

#include <vector>

// The rows of a grouped grid: the shown rows gathered by the value of one column
// (groups in ascending order of that value, rows in their order within), each
// group led by a title row ("Caption : value") and closed by a footer row with
// the group's summaries. Without a group column the rows pass through unchanged.
// A collapsed group shows its title row only.
class GridGrouping : public QAbstractProxyModel {
    Q_OBJECT
public:
    enum RowKind { DataRow, GroupTitleRow, GroupFooterRow };
    static constexpr int RowKindRole = Qt::UserRole + 1;

    explicit GridGrouping(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;
    // -1 ends the grouping.
    void setGroupColumn(int column);
    int groupColumn() const { return groupColumn_; }
    // Column of the view for each summary of the group footers.
    void setGroupSummaries(std::vector<std::pair<int, FooterSummary>> summaries);

    RowKind rowKind(int row) const;
    // Expands a collapsed group and collapses an expanded one, by its title row.
    void toggleGroup(int titleRow);
    int groupCount() const { return int(groups_.size()); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    struct Group {
        QString title;
        std::vector<int> rows; // source rows
        std::vector<QString> summaries;
    };
    struct Entry {
        RowKind kind;
        int group;
        int sourceRow; // data rows only
    };

    void rebuild();
    void rebuildNow();

    int groupColumn_ = -1;
    std::vector<std::pair<int, FooterSummary>> summaries_;
    std::vector<Group> groups_;
    std::vector<Entry> entries_;
    std::vector<int> entryOfSource_;
    QSet<QString> collapsed_;
};
