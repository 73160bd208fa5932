#include "platform/dataset/displaytext.h"

#include "platform/format/formatfloat.h"

QString displayText(const Column& column, int row, const QLocale& locale)
{
    if (column.isNull(row))
        return {};
    const QString& format = column.def().displayFormat;
    switch (column.fieldClass()) {
    case FieldClass::Integer:
        if (!format.isEmpty())
            return FormatFloat(format, double(column.intAt(row)), locale);
        return QString::number(column.intAt(row));
    case FieldClass::Float:
    case FieldClass::BCD:
        if (!format.isEmpty())
            return FormatFloat(format, column.doubleAt(row), locale);
        return FormatGeneral(column.doubleAt(row), locale);
    case FieldClass::Currency:
        return FormatFloat(format.isEmpty() ? QStringLiteral(",0.00") : format, column.doubleAt(row), locale);
    case FieldClass::String: {
        std::string_view t = column.textAt(row);
        return QString::fromUtf8(t.data(), qsizetype(t.size()));
    }
    case FieldClass::Boolean: return column.intAt(row) ? QStringLiteral("True") : QStringLiteral("False");
    case FieldClass::Date: return locale.toString(dateFromKey(column.intAt(row)), QLocale::ShortFormat);
    case FieldClass::Time: return timeFromKey(column.intAt(row)).toString(QStringLiteral("HH:mm:ss"));
    case FieldClass::DateTime: {
        const QDateTime dt = dateTimeFromKey(column.intAt(row));
        QString text = locale.toString(dt.date(), QLocale::ShortFormat);
        if (dt.time() != QTime(0, 0))
            text += QLatin1Char(' ') + dt.time().toString(QStringLiteral("HH:mm:ss"));
        return text;
    }
    }
    return {};
}
