#pragma once

#include "platform/dataset/datatable.h"

#include <simdjson.h>
#include <stdexcept>
#include <string>
#include <string_view>

class ClientDataSet;

// The table form of rows and data packets on the wire:
//   {"table":[[name, dbxType, ordinal, subType, scale, size, precision, childPosition,
//              nullable, hidden, parameterDirection, valueParameter, literal], ...],
//    "<name>":[value, value, ...], ...}
// one descriptor per column, then each column's values in row order, null for a
// missing value. Values by field class: integers and floats as JSON numbers,
// text as strings, booleans as true/false, dates and times as the ISO strings of
// valuecodec.h. The encoder writes exactly what the decoder reads.
namespace dsclient {

// Bad table text or structure; the message names the column concerned.
class TableFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decoding builds a new table; on TableFormatError nothing has been changed anywhere.
// The first form parses with a parser of its own, whose memory (several times the
// text's size) is freed on return; callers decoding large tables again and again
// pass a parser they keep, which saves about as much time as the decoding itself.
DataTable decodeTable(std::string_view json);
DataTable decodeTable(std::string_view json, simdjson::dom::parser& parser);
// A table that is one element of an already parsed document (for example one value
// of a {"result":[...]} answer); the element must stay valid during the call.
DataTable decodeTable(simdjson::dom::element table);
// Decodes and assigns the result as the dataset's data; the dataset is untouched on error.
void loadTable(ClientDataSet& dataSet, std::string_view json);

// Throws TableFormatError for a value the form cannot carry (NaN, a year past 9999).
std::string encodeTable(const DataTable& table);
void appendEncodedTable(std::string& out, const DataTable& table);

} // namespace dsclient
