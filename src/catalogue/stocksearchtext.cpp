#include "catalogue/stocksearchtext.h"

#include <array>
#include <utility>

QChar MapSearchLetter(QChar typed)
{
    // 'i' maps to itself on purpose: it is a letter of the table, not a
    // forgotten one, and the box's upper-casing makes it a plain 'I'.
    static constexpr std::array<std::pair<char16_t, char16_t>, 13> kLetters{{
        {u'ğ', u'g'}, {u'ü', u'u'}, {u'ş', u's'}, {u'i', u'i'}, {u'ö', u'o'},
        {u'ç', u'c'}, {u'Ğ', u'G'}, {u'Ü', u'U'}, {u'Ş', u'S'}, {u'İ', u'I'},
        {u'Ö', u'O'}, {u'Ç', u'C'}, {u'ı', u'I'},
    }};
    for (const auto& [from, to] : kLetters)
        if (typed.unicode() == from)
            return QChar(to);
    return typed;
}

QString TrimSearchText(const QString& text)
{
    // Blanks and control characters are everything up to the space character.
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= u' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= u' ')
        --last;
    return text.mid(first, last - first);
}
