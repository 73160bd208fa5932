#pragma once

#include <QString>

// Data types of dataset fields. Each one maps to exactly one DBX type code of the
// wire's table form, so a table read from the server is written back unchanged.
enum class FieldType {
    AnsiString,
    WideString,
    Int16,
    Int32,
    Int64,
    Single,
    Double,
    Currency,
    BCD,
    Boolean,
    Date,
    Time,
    DateTime,
    TimeStamp,
};

// The field class decides storage, conversions and display. Float is the plain
// floating-point class only: currency and BCD fields are classes of their own, so
// code that formats "plain floats" never touches money stored as currency or BCD.
enum class FieldClass {
    Integer,
    Float,
    Currency,
    BCD,
    String,
    Boolean,
    Date,
    Time,
    DateTime,
};

FieldClass fieldClassOf(FieldType type);
QString fieldTypeName(FieldType type);

// DBX type codes: 1 AnsiString, 2 Date, 4 Boolean, 5 Int16, 6 Int32, 7 Double, 8 BCD,
// 10 Time, 11 DateTime, 18 Int64, 24 TimeStamp, 25 Currency, 26 WideString, 27 Single.
int dbxTypeCode(FieldType type);
// False for a code outside that list.
bool fieldTypeFromDbx(int code, FieldType* type);
