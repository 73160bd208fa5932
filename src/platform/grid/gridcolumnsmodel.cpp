#include "platform/grid/gridcolumnsmodel.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasetmodel.h"

#include <algorithm>

namespace {

bool IsNumeric(FieldClass c)
{
    return c == FieldClass::Integer || c == FieldClass::Float || c == FieldClass::Currency || c == FieldClass::BCD;
}

} // namespace

GridColumnsModel::GridColumnsModel(QObject* parent) : QAbstractProxyModel(parent) {}

void GridColumnsModel::setColumns(ColumnTable columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    resolveFields();
    endResetModel();
}

void GridColumnsModel::setSourceModel(QAbstractItemModel* source)
{
    beginResetModel();
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    source_ = qobject_cast<DataSetModel*>(source);
    QAbstractProxyModel::setSourceModel(source);
    if (source) {
        connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        connect(source, &QAbstractItemModel::modelReset, this, [this] {
            resolveFields();
            endResetModel();
        });
        connect(source, &QAbstractItemModel::dataChanged, this, &GridColumnsModel::onSourceDataChanged);
    }
    resolveFields();
    endResetModel();
}

ClientDataSet* GridColumnsModel::dataSet() const
{
    return dataSet_;
}

void GridColumnsModel::resolveFields()
{
    sourceColumns_.assign(columns_.size(), -1);
    dataSet_ = source_ ? source_->dataSet() : nullptr;
    rowCount_ = sourceModel() ? sourceModel()->rowCount() : 0;
    const ClientDataSet* ds = dataSet_;
    if (!ds || !ds->isActive())
        return;
    for (size_t i = 0; i < columns_.size(); ++i)
        if (!columns_[i].field.isEmpty())
            sourceColumns_[i] = ds->fieldIndex(columns_[i].field);
}

int GridColumnsModel::compareRows(int left, int right, int column) const
{
    const ClientDataSet* ds = dataSet();
    const int field = sourceColumn(column);
    // A dataset refilled with its controls disabled may hold fewer rows than last shown.
    if (!ds || field < 0 || std::max(left, right) >= ds->recordCount())
        return 0;
    const Column& values = ds->data().column(field);
    const bool leftNull = values.isNull(left), rightNull = values.isNull(right);
    if (leftNull || rightNull)
        return int(rightNull) - int(leftNull);
    switch (values.fieldClass()) {
    case FieldClass::Float:
    case FieldClass::Currency:
    case FieldClass::BCD: {
        const double a = values.doubleAt(left), b = values.doubleAt(right);
        return a < b ? -1 : (b < a ? 1 : 0);
    }
    case FieldClass::String: {
        const std::string_view a = values.textAt(left), b = values.textAt(right);
        return QString::fromUtf8(a.data(), qsizetype(a.size()))
            .localeAwareCompare(QString::fromUtf8(b.data(), qsizetype(b.size())));
    }
    default: {
        const qint64 a = values.intAt(left), b = values.intAt(right);
        return a < b ? -1 : (b < a ? 1 : 0);
    }
    }
}

int GridColumnsModel::sourceColumn(int column) const
{
    return column >= 0 && column < int(sourceColumns_.size()) ? sourceColumns_[size_t(column)] : -1;
}

QModelIndex GridColumnsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex GridColumnsModel::parent(const QModelIndex&) const
{
    return {};
}

int GridColumnsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rowCount_;
}

int GridColumnsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QModelIndex GridColumnsModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || !sourceModel())
        return {};
    const int c = sourceColumn(proxyIndex.column());
    return c < 0 ? QModelIndex() : sourceModel()->index(proxyIndex.row(), c);
}

QModelIndex GridColumnsModel::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    // A field may carry several columns; the first one stands for it.
    for (size_t i = 0; i < sourceColumns_.size(); ++i)
        if (sourceColumns_[i] == sourceIndex.column())
            return index(sourceIndex.row(), int(i));
    return {};
}

QVariant GridColumnsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    const ColumnSpec& spec = columns_[size_t(index.column())];
    if (role == Qt::TextAlignmentRole) {
        if (spec.alignment)
            return QVariant::fromValue(*spec.alignment | Qt::AlignVCenter);
        const int c = sourceColumn(index.column());
        const ClientDataSet* ds = dataSet();
        const bool numeric = ds && c >= 0 && IsNumeric(ds->field(c)->fieldClass());
        return QVariant::fromValue((numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    const QModelIndex source = mapToSource(index);
    if (!source.isValid()) {
        const ClientDataSet* ds = dataSet();
        if (role == Qt::DisplayRole && spec.text && ds && index.row() < ds->recordCount())
            return spec.text(*ds, index.row());
        return {};
    }
    return sourceModel()->data(source, role);
}

QVariant GridColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return columns_[size_t(section)].shownCaption();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags GridColumnsModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridColumnsModel::onSourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                           const QList<int>& roles)
{
    for (size_t i = 0; i < sourceColumns_.size(); ++i) {
        const int c = sourceColumns_[i];
        if (c >= topLeft.column() && c <= bottomRight.column())
            emit dataChanged(index(topLeft.row(), int(i)), index(bottomRight.row(), int(i)), roles);
    }
}
