#pragma once

#include "platform/dataset/fieldtype.h"

#include <QString>
#include <QVariant>

class ClientDataSet;
struct FieldDef;

// One field of a ClientDataSet: its description and the value on the dataset's
// current row (the edit buffer's value while the dataset is being edited).
// Owned by the dataset; valid until the dataset's fields are rebuilt (setData()).
class Field {
public:
    Field(ClientDataSet* dataSet, int index) : dataSet_(dataSet), index_(index) {}

    int index() const { return index_; }
    QString name() const;
    FieldType type() const;
    FieldClass fieldClass() const;
    int size() const;
    int precision() const;
    int scale() const;

    QString displayFormat() const;
    void setDisplayFormat(const QString& format);

    bool isNull() const;
    QVariant value() const;
    QString asString() const;   // empty for null
    qint64 asInteger() const;   // 0 for null; floats rounded half away from zero
    double asFloat() const;     // 0 for null
    bool asBoolean() const;     // false for null
    QString displayText() const;

    // Only while the dataset is in edit state; throws DataSetError otherwise or when
    // the value does not fit the field.
    void setValue(const QVariant& value);
    void clear() { setValue(QVariant()); }

private:
    const FieldDef& def() const;

    ClientDataSet* dataSet_;
    int index_;
};
