#pragma once

#include "platform/dataset/column.h"

#include <QLocale>
#include <QString>

// The text a grid shows for one value. Numeric fields with a display format go
// through FormatFloat; without one, plain floats and BCD use the general format,
// currency two decimals with thousands separators, integers their digits.
// Dates use the locale's short date, times "HH:mm:ss"; a null value shows as empty.
// Display formats of non-numeric fields are ignored.
QString displayText(const Column& column, int row, const QLocale& locale);
