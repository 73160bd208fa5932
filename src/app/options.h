#pragma once

#include <QStringList>

#include <optional>

// The client's fixed options, read before any window exists:
//   --server HOST:PORT   application server
//   --web URL            the distributor's web site
//   --maker URL          the maker's web server (address echo, set-up download)
//   --locale NAME        number formatting
//   --machine-id         print this machine's identifier and end
// (the environment variables VELKORA_SERVER, VELKORA_WEB, VELKORA_MAKER and
// VELKORA_LOCALE give the same values). Returns the exit code when the program
// ends here (after --machine-id, or 2 for a bad value with its reason on
// standard error), nothing when start-up goes on.
std::optional<int> HandleCommandLine(const QStringList& arguments);
