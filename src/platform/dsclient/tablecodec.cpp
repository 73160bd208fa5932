#include "platform/dsclient/tablecodec.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/dataseterror.h"
#include "platform/dsclient/valuecodec.h"

#include <limits>

namespace dsclient {

namespace {

using simdjson::dom::array;
using simdjson::dom::element;
using simdjson::dom::element_type;
using simdjson::dom::object;

constexpr size_t kDescriptorSize = 13;

[[noreturn]] void fail(const std::string& message)
{
    throw TableFormatError("Bad table: " + message);
}

[[noreturn]] void failColumn(std::string_view column, const std::string& message)
{
    fail("column '" + std::string(column) + "': " + message);
}

[[noreturn]] void failValue(std::string_view column, size_t row, const char* expected, element value)
{
    std::string got;
    switch (value.type()) {
    case element_type::ARRAY: got = "an array"; break;
    case element_type::OBJECT: got = "an object"; break;
    case element_type::STRING: got = "a string"; break;
    case element_type::BOOL: got = "a boolean"; break;
    case element_type::NULL_VALUE: got = "null"; break;
    default: got = "a number"; break;
    }
    failColumn(column, "row " + std::to_string(row) + ": expected " + expected + ", got " + got);
}

qint64 descriptorInt(element value, std::string_view column, const char* what)
{
    int64_t v;
    if (value.get_int64().get(v) || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        failColumn(column, std::string("descriptor entry ") + what + " is not an integer");
    return v;
}

bool descriptorBool(element value, std::string_view column, const char* what)
{
    bool b;
    if (!value.get_bool().get(b))
        return b;
    int64_t v;
    if (!value.get_int64().get(v) && (v == 0 || v == 1))
        return v == 1;
    failColumn(column, std::string("descriptor entry ") + what + " is not a boolean");
}

FieldDef decodeDescriptor(element descriptor, size_t position, std::string* utf8Name)
{
    array entries;
    if (descriptor.get_array().get(entries))
        fail("descriptor " + std::to_string(position) + " is not an array");
    element e[kDescriptorSize];
    size_t n = 0;
    for (element entry : entries) {
        if (n == kDescriptorSize) {
            n = kDescriptorSize + 1;
            break;
        }
        e[n++] = entry;
    }
    std::string_view name;
    if (n == 0 || e[0].get_string().get(name))
        fail("descriptor " + std::to_string(position) + " has no column name");
    if (n != kDescriptorSize)
        failColumn(name, "descriptor has " + std::to_string(n) + " entries instead of 13");

    FieldDef def;
    *utf8Name = std::string(name);
    def.name = QString::fromUtf8(name.data(), qsizetype(name.size()));
    const int code = int(descriptorInt(e[1], name, "type"));
    if (!fieldTypeFromDbx(code, &def.type))
        failColumn(name, "unknown DBX type code " + std::to_string(code));
    descriptorInt(e[2], name, "ordinal"); // the position in the array is the ordinal
    def.subType = int(descriptorInt(e[3], name, "subType"));
    def.scale = int(descriptorInt(e[4], name, "scale"));
    def.size = int(descriptorInt(e[5], name, "size"));
    def.precision = int(descriptorInt(e[6], name, "precision"));
    def.childPosition = int(descriptorInt(e[7], name, "childPosition"));
    def.nullable = descriptorBool(e[8], name, "nullable");
    def.hidden = descriptorBool(e[9], name, "hidden");
    def.parameterDirection = int(descriptorInt(e[10], name, "parameterDirection"));
    def.valueParameter = descriptorBool(e[11], name, "valueParameter");
    def.literal = descriptorBool(e[12], name, "literal");
    return def;
}

void decodeIntegers(Column& column, array values, std::string_view name)
{
    const FieldType type = column.def().type;
    const qint64 lo = type == FieldType::Int16 ? std::numeric_limits<qint16>::min()
                      : type == FieldType::Int32 ? std::numeric_limits<qint32>::min()
                                                 : std::numeric_limits<qint64>::min();
    const qint64 hi = type == FieldType::Int16 ? std::numeric_limits<qint16>::max()
                      : type == FieldType::Int32 ? std::numeric_limits<qint32>::max()
                                                 : std::numeric_limits<qint64>::max();
    size_t row = 0;
    for (element v : values) {
        int64_t x;
        if (!v.get_int64().get(x)) {
            if (x < lo || x > hi)
                failColumn(name, "row " + std::to_string(row) + ": " + std::to_string(x) + " is out of range");
            column.appendInt(x);
        } else if (v.is_null()) {
            column.appendNull();
        } else {
            failValue(name, row, "an integer", v);
        }
        ++row;
    }
}

void decodeDoubles(Column& column, array values, std::string_view name)
{
    size_t row = 0;
    for (element v : values) {
        double x;
        if (!v.get_double().get(x))
            column.appendDouble(x);
        else if (v.is_null())
            column.appendNull();
        else
            failValue(name, row, "a number", v);
        ++row;
    }
}

void decodeStrings(Column& column, array values, std::string_view name)
{
    // One cheap pass for the text size saves the buffer's repeated growth.
    size_t bytes = 0;
    for (element v : values) {
        std::string_view s;
        if (!v.get_string().get(s))
            bytes += s.size();
    }
    column.reserveText(bytes);
    size_t row = 0;
    for (element v : values) {
        std::string_view s;
        if (!v.get_string().get(s))
            column.appendText(s);
        else if (v.is_null())
            column.appendNull();
        else
            failValue(name, row, "a string", v);
        ++row;
    }
}

void decodeBooleans(Column& column, array values, std::string_view name)
{
    size_t row = 0;
    for (element v : values) {
        bool b;
        if (!v.get_bool().get(b))
            column.appendInt(b ? 1 : 0);
        else if (v.is_null())
            column.appendNull();
        else
            failValue(name, row, "true or false", v);
        ++row;
    }
}

template <bool (*Parse)(std::string_view, qint64*)>
void decodeTimes(Column& column, array values, std::string_view name, const char* form)
{
    size_t row = 0;
    for (element v : values) {
        std::string_view s;
        qint64 key;
        if (!v.get_string().get(s)) {
            if (!Parse(s, &key))
                failColumn(name, "row " + std::to_string(row) + ": '" + std::string(s) + "' is not " + form);
            column.appendInt(key);
        } else if (v.is_null()) {
            column.appendNull();
        } else {
            failValue(name, row, form, v);
        }
        ++row;
    }
}

void decodeColumn(Column& column, array values, std::string_view name)
{
    switch (column.fieldClass()) {
    case FieldClass::Integer: decodeIntegers(column, values, name); break;
    case FieldClass::Float:
    case FieldClass::Currency:
    case FieldClass::BCD: decodeDoubles(column, values, name); break;
    case FieldClass::String: decodeStrings(column, values, name); break;
    case FieldClass::Boolean: decodeBooleans(column, values, name); break;
    case FieldClass::Date: decodeTimes<parseWireDate>(column, values, name, "a date (YYYY-MM-DD)"); break;
    case FieldClass::Time: decodeTimes<parseWireTime>(column, values, name, "a time (HH:MM:SS)"); break;
    case FieldClass::DateTime:
        decodeTimes<parseWireDateTime>(column, values, name, "a date-time (YYYY-MM-DDTHH:MM:SS.mmm)");
        break;
    }
}

} // namespace

DataTable decodeTable(element root)
{
    object obj;
    if (root.get_object().get(obj))
        fail("not a JSON object");
    element descriptorsValue;
    if (obj.at_key("table").get(descriptorsValue))
        fail("no \"table\" descriptor array");
    array descriptors;
    if (descriptorsValue.get_array().get(descriptors))
        fail("\"table\" is not an array");

    DataTable table;
    std::vector<std::string> names;
    size_t position = 0;
    for (element d : descriptors) {
        std::string utf8Name;
        FieldDef def = decodeDescriptor(d, position++, &utf8Name);
        try {
            table.addField(std::move(def));
        } catch (const DataSetError&) {
            failColumn(utf8Name, "appears twice");
        }
        names.push_back(std::move(utf8Name));
    }

    size_t rows = 0;
    std::vector<array> columns(names.size());
    for (size_t c = 0; c < names.size(); ++c) {
        element value;
        if (obj.at_key(names[c]).get(value))
            failColumn(names[c], "value array missing");
        if (value.get_array().get(columns[c]))
            failColumn(names[c], "values are not an array");
        const size_t count = columns[c].size();
        if (count > size_t(std::numeric_limits<int>::max()))
            failColumn(names[c], "too many rows");
        if (c == 0)
            rows = count;
        else if (count != rows)
            failColumn(names[c], "has " + std::to_string(count) + " values where '" + names[0] + "' has "
                                     + std::to_string(rows));
    }
    table.reserveRows(int(rows));
    try {
        for (size_t c = 0; c < names.size(); ++c)
            decodeColumn(table.column(int(c)), columns[c], names[c]);
    } catch (const DataSetError& e) {
        fail(e.what());
    }
    return table;
}

DataTable decodeTable(std::string_view json)
{
    simdjson::dom::parser parser;
    return decodeTable(json, parser);
}

DataTable decodeTable(std::string_view json, simdjson::dom::parser& parser)
{
    element root;
    const auto error = parser.parse(json.data(), json.size()).get(root);
    if (error)
        fail(std::string("not valid JSON (") + simdjson::error_message(error) + ")");
    return decodeTable(root);
}

void loadTable(ClientDataSet& dataSet, std::string_view json)
{
    dataSet.setData(decodeTable(json));
}

namespace {

[[noreturn]] void failEncode(const Column& column, int row, const char* what)
{
    throw TableFormatError("Cannot encode column '" + column.def().name.toStdString() + "', row "
                           + std::to_string(row) + ": " + what);
}

void appendDescriptor(std::string& out, const FieldDef& def, int ordinal)
{
    auto flag = [&](bool b) { out.append(b ? ",true" : ",false"); };
    auto number = [&](qint64 v) {
        out.push_back(',');
        appendJsonInt(out, v);
    };
    out.push_back('[');
    const QByteArray name = def.name.toUtf8();
    appendJsonString(out, std::string_view(name.constData(), size_t(name.size())));
    number(dbxTypeCode(def.type));
    number(ordinal);
    number(def.subType);
    number(def.scale);
    number(def.size);
    number(def.precision);
    number(def.childPosition);
    flag(def.nullable);
    flag(def.hidden);
    number(def.parameterDirection);
    flag(def.valueParameter);
    flag(def.literal);
    out.push_back(']');
}

void appendValue(std::string& out, const Column& column, int row)
{
    if (column.isNull(row)) {
        out.append("null");
        return;
    }
    switch (column.fieldClass()) {
    case FieldClass::Integer: appendJsonInt(out, column.intAt(row)); return;
    case FieldClass::Float:
    case FieldClass::Currency:
    case FieldClass::BCD:
        if (!appendJsonDouble(out, column.doubleAt(row)))
            failEncode(column, row, "not a finite number");
        return;
    case FieldClass::String: appendJsonString(out, column.textAt(row)); return;
    case FieldClass::Boolean: out.append(column.intAt(row) ? "true" : "false"); return;
    case FieldClass::Date:
        out.push_back('"');
        if (!appendWireDate(out, column.intAt(row)))
            failEncode(column, row, "date outside the years 1 to 9999");
        out.push_back('"');
        return;
    case FieldClass::Time:
        out.push_back('"');
        appendWireTime(out, column.intAt(row));
        out.push_back('"');
        return;
    case FieldClass::DateTime:
        out.push_back('"');
        if (!appendWireDateTime(out, column.intAt(row)))
            failEncode(column, row, "date outside the years 1 to 9999");
        out.push_back('"');
        return;
    }
}

} // namespace

void appendEncodedTable(std::string& out, const DataTable& table)
{
    try {
        table.checkShape();
    } catch (const DataSetError& e) {
        throw TableFormatError(e.what());
    }
    out.append("{\"table\":[");
    for (int c = 0; c < table.fieldCount(); ++c) {
        if (c)
            out.push_back(',');
        appendDescriptor(out, table.column(c).def(), c);
    }
    out.push_back(']');
    const int rows = table.rowCount();
    for (int c = 0; c < table.fieldCount(); ++c) {
        const Column& column = table.column(c);
        out.push_back(',');
        const QByteArray name = column.def().name.toUtf8();
        appendJsonString(out, std::string_view(name.constData(), size_t(name.size())));
        out.append(":[");
        for (int r = 0; r < rows; ++r) {
            if (r)
                out.push_back(',');
            appendValue(out, column, r);
        }
        out.push_back(']');
    }
    out.push_back('}');
}

std::string encodeTable(const DataTable& table)
{
    std::string out;
    out.reserve(size_t(table.rowCount()) * size_t(table.fieldCount()) * 8 + 256);
    appendEncodedTable(out, table);
    return out;
}

} // namespace dsclient
