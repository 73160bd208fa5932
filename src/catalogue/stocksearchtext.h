#pragma once

#include <QChar>
#include <QString>

// The search box turns Turkish letters into their unaccented forms as they are
// typed (the box itself then stores capitals), so that a search typed with or
// without Turkish letters reads the same: ç ö z ü m gives COZUM, ı l ı k ILIK.
// Every character the table does not name passes unchanged.
QChar MapSearchLetter(QChar typed);

// The text a search is judged by: leading and trailing blanks and control
// characters removed. The server is still sent the box's text as typed.
QString TrimSearchText(const QString& text);

// A search needs at least this many characters after trimming.
inline constexpr int kMinimumSearchLength = 3;
