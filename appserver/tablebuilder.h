#pragma once

#include "methodcall.h"

#include "platform/dataset/datatable.h"

#include <QHash>
#include <QString>
#include <QVariantList>

namespace appserver {

class Connection;

// Field types of result columns by name, for columns whose type is not the one
// their values suggest (money stored whole, dates stored as text, empty results).
using TypeHints = QHash<QString, FieldType>;

// The rows of one query as a table, its columns named as the query names them.
// Types: `hints` first, then the server's usual types of the known field names
// (money and rates are Double, TARIH and the like are dates), then the values.
DataTable QueryTable(Connection& db, const QString& sql, const QVariantList& params = {},
                     const TypeHints& hints = {});

// The table in its wire form, ready to be one element of an answer.
RawJson TableAnswer(const DataTable& table);

// Both steps at once.
RawJson QueryTableAnswer(Connection& db, const QString& sql, const QVariantList& params = {},
                         const TypeHints& hints = {});

} // namespace appserver
