#pragma once

#include "platform/dataset/datatable.h"
#include "platform/dataset/field.h"

#include <QObject>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

// In-memory table loaded from a server data packet: typed fields, rows in server
// order, a cursor, editing of the current row, per-field display formats.
//
// Views learn of changes through the signals. Between disableControls() and the
// matching enableControls() no signal is emitted; the last enableControls() emits
// dataSetReset() once. A worker thread may fill the dataset while no view is attached
// or while controls are disabled; a view on another thread then receives the
// signals queued.
class ClientDataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit };

    explicit ClientDataSet(QObject* parent = nullptr);
    ~ClientDataSet() override;

    // Replaces fields and rows (the fields are rebuilt, display formats included),
    // opens the dataset and moves to the first row. Throws DataSetError, leaving the
    // dataset unchanged, when the table's columns differ in length.
    void setData(DataTable table);
    const DataTable& data() const { return table_; }

    // Open keeps the current fields; close drops the rows and keeps the fields.
    void open();
    void close();
    bool isActive() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    // Deletes every row, keeps the fields; does nothing on a closed dataset.
    void emptyDataSet();

    int fieldCount() const { return int(fields_.size()); }
    Field* field(int index) const { return fields_.at(size_t(index)).get(); }
    // Case-insensitive; nullptr / -1 when missing.
    Field* findField(const QString& name) const;
    int fieldIndex(const QString& name) const { return table_.indexOf(name); }
    // Throws DataSetError "Field 'NAME' not found" when missing.
    Field& fieldByName(const QString& name) const;

    // 0 for a closed dataset.
    int recordCount() const { return isActive() ? table_.rowCount() : 0; }

    // Cursor. Moving posts a pending edit first.
    void first();
    void last();
    void next();
    void prior();
    void moveTo(int row);
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // 1-based like the classic record number; 0 when there is no current row.
    int recNo() const { return currentRow() + 1; }
    // 0-based; -1 when there is no current row.
    int currentRow() const { return recordCount() > 0 ? row_ : -1; }
    // Moves to the first row whose field equals value (null matches null) and returns
    // true; leaves the cursor where it was and returns false when no row matches.
    bool locate(const QString& fieldName, const QVariant& value);

    // Values by position (no edit buffer). Rows and columns must be in range.
    QVariant value(int row, int column) const { return table_.column(column).value(row); }
    bool isNull(int row, int column) const { return table_.column(column).isNull(row); }
    QString displayText(int row, int column) const;
    // Current row, edit buffer included; throws DataSetError for a missing field.
    QVariant fieldValue(const QString& name) const;

    // Editing the current row.
    void edit();
    void setFieldValue(int column, const QVariant& value);
    void setFieldValue(const QString& name, const QVariant& value);
    QVariant editValue(int column) const; // current row with the edit buffer applied
    void post();
    void cancel();

    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disableCount_ > 0; }

    void setDisplayFormat(int column, const QString& format);

signals:
    // Everything may have changed: fields, rows, formats.
    void dataSetReset();
    void valueChanged(int row, int column);
    void displayFormatChanged(int column);
    void currentRowChanged(int row);

private:
    void rebuildFields();
    void checkActive(const char* operation) const;
    void checkBrowseMode();
    void resetCursor();
    void notifyReset();
    void notifyCursor();

    DataTable table_;
    std::vector<std::unique_ptr<Field>> fields_;
    State state_ = State::Inactive;
    int row_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    int disableCount_ = 0;
    std::vector<std::optional<QVariant>> editBuffer_;
};
