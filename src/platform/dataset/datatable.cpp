#include "platform/dataset/datatable.h"

#include "platform/dataset/dataseterror.h"

int DataTable::addField(FieldDef def)
{
    const QString k = key(def.name);
    if (index_.contains(k))
        throw DataSetError(QStringLiteral("Duplicate field name '%1'").arg(def.name));
    const int index = int(columns_.size());
    columns_.emplace_back(std::move(def));
    index_.insert(k, index);
    return index;
}

int DataTable::indexOf(const QString& name) const
{
    return index_.value(key(name), -1);
}

void DataTable::checkShape() const
{
    const int rows = rowCount();
    for (const Column& c : columns_)
        if (c.rowCount() != rows)
            throw DataSetError(QStringLiteral("Field '%1' has %2 values where %3 rows were expected")
                                   .arg(c.def().name)
                                   .arg(c.rowCount())
                                   .arg(rows));
}

void DataTable::reserveRows(int rows)
{
    for (Column& c : columns_)
        c.reserve(rows);
}

void DataTable::clearRows()
{
    for (Column& c : columns_)
        c.clear();
}
