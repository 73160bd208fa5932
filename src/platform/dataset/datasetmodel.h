#pragma once

#include <QAbstractTableModel>
#include <QPointer>

class ClientDataSet;

// Read-only table model over a ClientDataSet: one column per field, header = field
// name, DisplayRole = the field's display text, EditRole and UserRole = the raw value
// (invalid for null). setDataSet(nullptr) detaches the view while a load refills
// the dataset; attaching again resets the model.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(ClientDataSet* dataSet = nullptr, QObject* parent = nullptr);

    void setDataSet(ClientDataSet* dataSet);
    ClientDataSet* dataSet() const { return dataSet_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void onReset();
    void onValueChanged(int row, int column);
    void onDisplayFormatChanged(int column);

    QPointer<ClientDataSet> dataSet_;
};
