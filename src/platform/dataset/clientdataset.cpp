#include "platform/dataset/clientdataset.h"

#include "platform/dataset/dataseterror.h"
#include "platform/dataset/displaytext.h"
#include "platform/format/formatfloat.h"

ClientDataSet::ClientDataSet(QObject* parent) : QObject(parent) {}

ClientDataSet::~ClientDataSet() = default;

void ClientDataSet::setData(DataTable table)
{
    table.checkShape();
    table_ = std::move(table);
    editBuffer_.clear();
    state_ = State::Browse;
    rebuildFields();
    resetCursor();
    notifyReset();
}

void ClientDataSet::rebuildFields()
{
    fields_.clear();
    fields_.reserve(size_t(table_.fieldCount()));
    for (int i = 0; i < table_.fieldCount(); ++i)
        fields_.push_back(std::make_unique<Field>(this, i));
}

void ClientDataSet::open()
{
    if (isActive())
        return;
    state_ = State::Browse;
    resetCursor();
    notifyReset();
}

void ClientDataSet::close()
{
    if (!isActive())
        return;
    editBuffer_.clear();
    table_.clearRows();
    state_ = State::Inactive;
    resetCursor();
    notifyReset();
}

void ClientDataSet::emptyDataSet()
{
    if (!isActive())
        return;
    editBuffer_.clear();
    state_ = State::Browse;
    table_.clearRows();
    resetCursor();
    notifyReset();
}

Field* ClientDataSet::findField(const QString& name) const
{
    const int index = table_.indexOf(name);
    return index < 0 ? nullptr : fields_[size_t(index)].get();
}

Field& ClientDataSet::fieldByName(const QString& name) const
{
    Field* f = findField(name);
    if (!f)
        throw DataSetError(QStringLiteral("Field '%1' not found").arg(name));
    return *f;
}

void ClientDataSet::checkActive(const char* operation) const
{
    if (!isActive())
        throw DataSetError(QStringLiteral("Cannot %1 a closed dataset").arg(QLatin1String(operation)));
}

void ClientDataSet::checkBrowseMode()
{
    if (state_ == State::Edit)
        post();
}

void ClientDataSet::resetCursor()
{
    row_ = 0;
    bof_ = true;
    eof_ = recordCount() == 0;
}

void ClientDataSet::first()
{
    checkBrowseMode();
    resetCursor();
    notifyCursor();
}

void ClientDataSet::last()
{
    checkBrowseMode();
    row_ = recordCount() > 0 ? recordCount() - 1 : 0;
    eof_ = true;
    bof_ = recordCount() == 0;
    notifyCursor();
}

void ClientDataSet::next()
{
    checkBrowseMode();
    if (row_ + 1 < recordCount()) {
        ++row_;
        bof_ = false;
        notifyCursor();
    } else {
        eof_ = true;
    }
}

void ClientDataSet::prior()
{
    checkBrowseMode();
    if (row_ > 0 && recordCount() > 0) {
        --row_;
        eof_ = false;
        notifyCursor();
    } else {
        bof_ = true;
    }
}

void ClientDataSet::moveTo(int row)
{
    if (row < 0 || row >= recordCount())
        throw DataSetError(QStringLiteral("Row %1 out of range (%2 rows)").arg(row).arg(recordCount()));
    checkBrowseMode();
    row_ = row;
    bof_ = eof_ = false;
    notifyCursor();
}

bool ClientDataSet::locate(const QString& fieldName, const QVariant& value)
{
    checkBrowseMode();
    const Column& column = table_.column(fieldByName(fieldName).index());
    Column wanted(column.def());
    try {
        wanted.appendValue(value);
    } catch (const DataSetError&) {
        return false; // a value the field cannot hold matches no row
    }
    const bool wantNull = wanted.isNull(0);
    const int rows = recordCount();
    for (int r = 0; r < rows; ++r) {
        if (column.isNull(r) || wantNull) {
            if (column.isNull(r) && wantNull) {
                moveTo(r);
                return true;
            }
            continue;
        }
        bool equal = false;
        switch (column.fieldClass()) {
        case FieldClass::String: equal = column.textAt(r) == wanted.textAt(0); break;
        case FieldClass::Float:
        case FieldClass::Currency:
        case FieldClass::BCD: equal = column.doubleAt(r) == wanted.doubleAt(0); break;
        default: equal = column.intAt(r) == wanted.intAt(0); break;
        }
        if (equal) {
            moveTo(r);
            return true;
        }
    }
    return false;
}

QString ClientDataSet::displayText(int row, int column) const
{
    return ::displayText(table_.column(column), row, CurrentLocale());
}

QVariant ClientDataSet::fieldValue(const QString& name) const
{
    return fieldByName(name).value();
}

void ClientDataSet::edit()
{
    checkActive("edit");
    if (state_ == State::Edit)
        return;
    if (recordCount() == 0)
        throw DataSetError(QStringLiteral("Cannot edit an empty dataset"));
    editBuffer_.assign(size_t(fieldCount()), std::nullopt);
    state_ = State::Edit;
}

void ClientDataSet::setFieldValue(int column, const QVariant& value)
{
    if (state_ != State::Edit)
        throw DataSetError(QStringLiteral("Dataset not in edit mode (field '%1')").arg(table_.column(column).def().name));
    // Convert now so a bad value is refused at assignment, as the field would.
    Column scratch(table_.column(column).def());
    scratch.appendValue(value);
    editBuffer_[size_t(column)] = scratch.value(0);
}

void ClientDataSet::setFieldValue(const QString& name, const QVariant& value)
{
    setFieldValue(fieldByName(name).index(), value);
}

QVariant ClientDataSet::editValue(int column) const
{
    if (state_ == State::Edit && editBuffer_[size_t(column)])
        return *editBuffer_[size_t(column)];
    const int row = currentRow();
    return row < 0 ? QVariant() : value(row, column);
}

void ClientDataSet::post()
{
    if (state_ != State::Edit)
        return;
    std::vector<std::optional<QVariant>> pending;
    pending.swap(editBuffer_);
    state_ = State::Browse;
    for (size_t c = 0; c < pending.size(); ++c) {
        if (!pending[c])
            continue;
        table_.column(int(c)).setValue(row_, *pending[c]);
        if (!controlsDisabled())
            emit valueChanged(row_, int(c));
    }
}

void ClientDataSet::cancel()
{
    if (state_ != State::Edit)
        return;
    editBuffer_.clear();
    state_ = State::Browse;
}

void ClientDataSet::disableControls()
{
    ++disableCount_;
}

void ClientDataSet::enableControls()
{
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0)
        emit dataSetReset();
}

void ClientDataSet::setDisplayFormat(int column, const QString& format)
{
    FieldDef& def = table_.column(column).def();
    if (def.displayFormat == format)
        return;
    def.displayFormat = format;
    if (!controlsDisabled())
        emit displayFormatChanged(column);
}

void ClientDataSet::notifyReset()
{
    if (!controlsDisabled())
        emit dataSetReset();
}

void ClientDataSet::notifyCursor()
{
    if (!controlsDisabled())
        emit currentRowChanged(currentRow());
}
