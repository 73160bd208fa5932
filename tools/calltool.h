#pragma once

#include <QStringList>
#include <QTextStream>

// velkora-call [--server HOST:PORT] METHOD [ARG ...]
// Each ARG is one input parameter as JSON, in catalogue order (a record as its
// JSON object form, a stream as base64 text). Prints {"result":[...]} as the
// client decoded it and returns 0; a server error goes to standard error with
// 1; a connection that cannot be opened gives 2; wrong usage gives 3.
int RunCallTool(const QStringList& arguments, QTextStream& out, QTextStream& err);
