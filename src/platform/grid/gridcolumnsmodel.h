#pragma once

#include "platform/grid/columnspec.h"

#include <QAbstractProxyModel>
#include <QPointer>

class DataSetModel;

// Presents a dataset model as the grid's columns: one column per column spec, in
// the table's order, bound to its field by name. A spec whose field the dataset
// lacks, or which has no field, gives empty cells. Headers show the captions.
class GridColumnsModel : public QAbstractProxyModel {
    Q_OBJECT
public:
    explicit GridColumnsModel(QObject* parent = nullptr);

    void setColumns(ColumnTable columns);
    const ColumnTable& columns() const { return columns_; }
    void setSourceModel(QAbstractItemModel* source) override;

    // Field index in the dataset of a column, -1 when unbound.
    int sourceColumn(int column) const;
    ClientDataSet* dataSet() const;
    // The order of two rows by a column's stored values, nulls first; 0 for a
    // column without a field.
    int compareRows(int left, int right, int column) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void resolveFields();
    void onSourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                             const QList<int>& roles);

    ColumnTable columns_;
    std::vector<int> sourceColumns_;
    // The dataset model changes its rows only by resets; sorting asks for indexes
    // millions of times, so the row count and dataset are kept from the last one.
    int rowCount_ = 0;
    ClientDataSet* dataSet_ = nullptr;
    QPointer<DataSetModel> source_;
};
