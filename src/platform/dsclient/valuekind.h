#pragma once

// The kinds of value that cross the connection as parameters and results.
namespace dsclient {

enum class ValueKind {
    None,        // a procedure's missing result
    Text,        // JSON string
    Int32,       // JSON integer within 32 bits
    Int64,       // JSON integer
    Double,      // JSON number, full precision
    Boolean,     // true / false
    Record,      // transfer record in its JSON object form, or null
    Rows,        // table form, read into a client dataset
    DataPacket,  // table form, assigned as a client dataset's data
    Stream,      // binary stream, base64 text
};

} // namespace dsclient
