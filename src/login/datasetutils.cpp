#include "login/datasetutils.h"

#include "platform/dataset/clientdataset.h"
#include "platform/format/formatfloat.h"

bool DataSetHasRows(const ClientDataSet& ds)
{
    return ds.isActive() && ds.recordCount() != 0;
}

bool AnyRowSelected(ClientDataSet& ds)
{
    if (!DataSetHasRows(ds))
        return false;
    const Field* sec = ds.findField(QStringLiteral("SEC"));
    if (!sec)
        return false;
    for (ds.first(); !ds.eof(); ds.next())
        if (!sec->isNull() && sec->asInteger() == 1)
            return true;
    return false;
}

void SetFloatDisplayFormats(ClientDataSet& ds)
{
    const QString money = QString::fromLatin1(kMoneyFormat);
    for (int i = 0; i < ds.fieldCount(); ++i)
        if (ds.field(i)->fieldClass() == FieldClass::Float)
            ds.field(i)->setDisplayFormat(money);
}
