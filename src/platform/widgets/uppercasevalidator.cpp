#include "platform/widgets/uppercasevalidator.h"

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const
{
    const QString upper = input.toUpper();
    // A letter whose capital is longer (ß) would move the caret; keep it in range.
    if (upper.size() != input.size())
        pos = qBound(0, pos + int(upper.size() - input.size()), int(upper.size()));
    input = upper;
    return Acceptable;
}
