#include "platform/dataset/datasetmodel.h"

#include "platform/dataset/clientdataset.h"

DataSetModel::DataSetModel(ClientDataSet* dataSet, QObject* parent) : QAbstractTableModel(parent)
{
    setDataSet(dataSet);
}

void DataSetModel::setDataSet(ClientDataSet* dataSet)
{
    if (dataSet == dataSet_)
        return;
    beginResetModel();
    if (dataSet_)
        disconnect(dataSet_, nullptr, this, nullptr);
    dataSet_ = dataSet;
    if (dataSet_) {
        connect(dataSet_, &ClientDataSet::dataSetReset, this, &DataSetModel::onReset);
        connect(dataSet_, &ClientDataSet::valueChanged, this, &DataSetModel::onValueChanged);
        connect(dataSet_, &ClientDataSet::displayFormatChanged, this, &DataSetModel::onDisplayFormatChanged);
        connect(dataSet_, &QObject::destroyed, this, [this] { setDataSet(nullptr); });
    }
    endResetModel();
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !dataSet_ ? 0 : dataSet_->recordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !dataSet_ || !dataSet_->isActive() ? 0 : dataSet_->fieldCount();
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: return dataSet_->displayText(index.row(), index.column());
    case Qt::EditRole:
    case Qt::UserRole: return dataSet_->value(index.row(), index.column());
    default: return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    return dataSet_->field(section)->name();
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void DataSetModel::onReset()
{
    beginResetModel();
    endResetModel();
}

void DataSetModel::onValueChanged(int row, int column)
{
    if (row < rowCount() && column < columnCount()) {
        const QModelIndex i = index(row, column);
        emit dataChanged(i, i);
    }
}

void DataSetModel::onDisplayFormatChanged(int column)
{
    if (rowCount() > 0 && column < columnCount())
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}
