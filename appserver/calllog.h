#pragma once

#include "server/methodcatalogue.h"

#include <QJsonArray>
#include <QString>

namespace appserver {

// "Method(param=value, ...)" for the call log, with every password (a parameter
// or record field whose name contains "sifre") replaced by "***".
QString CallLogLine(const catalogue::Method& method, const QJsonArray& inputs);

} // namespace appserver
