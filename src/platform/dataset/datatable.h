#pragma once

#include "platform/dataset/column.h"

#include <QHash>
#include <QString>
#include <vector>

// The data of a dataset: its fields and their values, column by column, rows in
// the order they were appended. A plain value type, so a table can be filled on a
// worker thread and then handed to a ClientDataSet in one move.
class DataTable {
public:
    // Throws DataSetError when a field of that name (ignoring case) exists already.
    int addField(FieldDef def);

    int fieldCount() const { return int(columns_.size()); }
    const Column& column(int index) const { return columns_[size_t(index)]; }
    Column& column(int index) { return columns_[size_t(index)]; }

    // Case-insensitive lookup through a hash; -1 when there is no such field.
    int indexOf(const QString& name) const;

    // Rows of the first column; checkShape() makes sure the others agree.
    int rowCount() const { return columns_.empty() ? 0 : columns_.front().rowCount(); }
    // Throws DataSetError naming the first column whose length differs from the first's.
    void checkShape() const;

    void reserveRows(int rows);
    void clearRows();

private:
    static QString key(const QString& name) { return name.toCaseFolded(); }

    std::vector<Column> columns_;
    QHash<QString, int> index_;
};
