#include "platform/dataset/fieldtype.h"

FieldClass fieldClassOf(FieldType type)
{
    switch (type) {
    case FieldType::AnsiString:
    case FieldType::WideString: return FieldClass::String;
    case FieldType::Int16:
    case FieldType::Int32:
    case FieldType::Int64: return FieldClass::Integer;
    case FieldType::Single:
    case FieldType::Double: return FieldClass::Float;
    case FieldType::Currency: return FieldClass::Currency;
    case FieldType::BCD: return FieldClass::BCD;
    case FieldType::Boolean: return FieldClass::Boolean;
    case FieldType::Date: return FieldClass::Date;
    case FieldType::Time: return FieldClass::Time;
    case FieldType::DateTime:
    case FieldType::TimeStamp: return FieldClass::DateTime;
    }
    return FieldClass::String;
}

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::AnsiString: return QStringLiteral("AnsiString");
    case FieldType::WideString: return QStringLiteral("WideString");
    case FieldType::Int16: return QStringLiteral("Int16");
    case FieldType::Int32: return QStringLiteral("Int32");
    case FieldType::Int64: return QStringLiteral("Int64");
    case FieldType::Single: return QStringLiteral("Single");
    case FieldType::Double: return QStringLiteral("Double");
    case FieldType::Currency: return QStringLiteral("Currency");
    case FieldType::BCD: return QStringLiteral("BCD");
    case FieldType::Boolean: return QStringLiteral("Boolean");
    case FieldType::Date: return QStringLiteral("Date");
    case FieldType::Time: return QStringLiteral("Time");
    case FieldType::DateTime: return QStringLiteral("DateTime");
    case FieldType::TimeStamp: return QStringLiteral("TimeStamp");
    }
    return {};
}

namespace {
struct DbxCode {
    int code;
    FieldType type;
};
constexpr DbxCode kDbxCodes[] = {
    {1, FieldType::AnsiString}, {2, FieldType::Date},      {4, FieldType::Boolean},
    {5, FieldType::Int16},      {6, FieldType::Int32},     {7, FieldType::Double},
    {8, FieldType::BCD},        {10, FieldType::Time},     {11, FieldType::DateTime},
    {18, FieldType::Int64},     {24, FieldType::TimeStamp}, {25, FieldType::Currency},
    {26, FieldType::WideString}, {27, FieldType::Single},
};
} // namespace

int dbxTypeCode(FieldType type)
{
    for (const DbxCode& c : kDbxCodes)
        if (c.type == type)
            return c.code;
    return 0;
}

bool fieldTypeFromDbx(int code, FieldType* type)
{
    for (const DbxCode& c : kDbxCodes)
        if (c.code == code) {
            *type = c.type;
            return true;
        }
    return false;
}
