#pragma once

#include <QString>
#include <stdexcept>

// A misuse of a dataset (unknown field, posting without editing, a value that does
// not fit the field). The text names the field concerned.
class DataSetError : public std::runtime_error {
public:
    explicit DataSetError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
