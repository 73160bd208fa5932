#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>

// Text forms of single values on the wire, shared by both ends.
//
// Dates, times and date-times travel as ISO 8601 strings without a time zone
// (the server's wall-clock value):
//   date       "2026-12-11"
//   time       "14:05:00", or "14:05:00.250" when there are milliseconds
//   date-time  "2026-12-11T14:05:00.000" (milliseconds always written, optional when read)
// Years 0001 to 9999. Values are the stored keys of platform/dataset/column.h
// (Julian day, milliseconds of the day, and day * 86400000 + milliseconds).
namespace dsclient {

bool parseWireDate(std::string_view text, qint64* dateKey);
bool parseWireTime(std::string_view text, qint64* timeKey);
bool parseWireDateTime(std::string_view text, qint64* dateTimeKey);

// Append the wire form; false (nothing appended) for a key outside years 0001-9999.
bool appendWireDate(std::string& out, qint64 dateKey);
void appendWireTime(std::string& out, qint64 timeKey);
bool appendWireDateTime(std::string& out, qint64 dateTimeKey);

// JSON pieces: a quoted, escaped string (input must be UTF-8), an integer, and a
// double in its shortest form that reads back to the same value (false for NaN/inf).
void appendJsonString(std::string& out, std::string_view utf8);
void appendJsonInt(std::string& out, qint64 value);
bool appendJsonDouble(std::string& out, double value);

} // namespace dsclient
