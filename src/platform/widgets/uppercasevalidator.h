#pragma once

#include <QValidator>

// Turns whatever is typed or pasted into capitals, for edit boxes whose
// input is upper case only.
class UpperCaseValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
