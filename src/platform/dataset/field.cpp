#include "platform/dataset/field.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/displaytext.h"
#include "platform/format/formatfloat.h"

#include <cmath>

const FieldDef& Field::def() const { return dataSet_->data().column(index_).def(); }
QString Field::name() const { return def().name; }
FieldType Field::type() const { return def().type; }
FieldClass Field::fieldClass() const { return fieldClassOf(def().type); }
int Field::size() const { return def().size; }
int Field::precision() const { return def().precision; }
int Field::scale() const { return def().scale; }
QString Field::displayFormat() const { return def().displayFormat; }
void Field::setDisplayFormat(const QString& format) { dataSet_->setDisplayFormat(index_, format); }

QVariant Field::value() const
{
    if (dataSet_->currentRow() < 0 && dataSet_->state() != ClientDataSet::State::Edit)
        return {};
    return dataSet_->editValue(index_);
}

bool Field::isNull() const
{
    const QVariant v = value();
    return !v.isValid() || v.isNull();
}

QString Field::asString() const { return value().toString(); }

qint64 Field::asInteger() const
{
    const QVariant v = value();
    if (fieldClass() == FieldClass::Float || fieldClass() == FieldClass::Currency || fieldClass() == FieldClass::BCD)
        return std::llround(v.toDouble());
    return v.toLongLong();
}

double Field::asFloat() const { return value().toDouble(); }
bool Field::asBoolean() const { return value().toBool(); }

QString Field::displayText() const
{
    const int row = dataSet_->currentRow();
    if (row < 0)
        return {};
    if (dataSet_->state() == ClientDataSet::State::Edit) {
        // Show the edit buffer in the field's own format.
        Column scratch(def());
        scratch.appendValue(value());
        return ::displayText(scratch, 0, CurrentLocale());
    }
    return dataSet_->displayText(row, index_);
}

void Field::setValue(const QVariant& value) { dataSet_->setFieldValue(index_, value); }
