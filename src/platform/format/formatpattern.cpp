#include "platform/format/formatpattern.h"

#include <QHashFunctions>

#include <unordered_map>

namespace {

// Splits at ';' outside quoted text.
std::vector<QStringView> splitSections(QStringView pattern)
{
    std::vector<QStringView> sections;
    qsizetype start = 0;
    QChar quote;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            sections.push_back(pattern.mid(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.mid(start));
    return sections;
}

void appendLiteral(PatternSection& section, QStringView text)
{
    if (text.isEmpty())
        return;
    if (!section.tokens.empty() && section.tokens.back().kind == PatternToken::Literal)
        section.tokens.back().text += text;
    else
        section.tokens.push_back({PatternToken::Literal, text.toString()});
}

PatternSection compileSection(QStringView text)
{
    PatternSection section;
    bool afterPoint = false;
    int firstIntegerZero = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'0' || c == u'#') {
            if (afterPoint) {
                ++section.fractionPlaceholders;
                if (c == u'0')
                    section.minFractionDigits = section.fractionPlaceholders;
                section.tokens.push_back({PatternToken::FractionDigit, {}});
            } else {
                if (c == u'0' && firstIntegerZero < 0)
                    firstIntegerZero = section.integerPlaceholders;
                ++section.integerPlaceholders;
                section.tokens.push_back({PatternToken::IntegerDigit, {}});
            }
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
            section.tokens.push_back({PatternToken::DecimalPoint, {}});
        } else if (c == u',') {
            section.thousands = true;
        } else if (c == u'\'' || c == u'"') {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            appendLiteral(section, text.mid(i + 1, stop - i - 1));
            i = stop;
        } else {
            appendLiteral(section, text.mid(i, 1));
        }
    }
    if (firstIntegerZero >= 0)
        section.minIntegerDigits = section.integerPlaceholders - firstIntegerZero;
    return section;
}

} // namespace

CompiledPattern CompilePattern(QStringView pattern)
{
    CompiledPattern compiled;
    const std::vector<QStringView> sections = splitSections(pattern);
    if (sections[0].isEmpty()) {
        compiled.general = true;
        return compiled;
    }
    compiled.positive = compileSection(sections[0]);
    if (sections.size() > 1 && !sections[1].isEmpty()) {
        compiled.negative = compileSection(sections[1]);
        compiled.hasNegative = true;
    }
    if (sections.size() > 2 && !sections[2].isEmpty()) {
        compiled.zero = compileSection(sections[2]);
        compiled.hasZero = true;
    }
    return compiled;
}

const CompiledPattern& CachedPattern(const QString& pattern)
{
    // Display formats are few; the cache never needs trimming.
    struct Hash {
        size_t operator()(const QString& s) const noexcept { return qHash(s); }
    };
    // unordered_map keeps references to its values stable across inserts.
    thread_local std::unordered_map<QString, CompiledPattern, Hash> cache;
    thread_local QString lastPattern;
    thread_local const CompiledPattern* last = nullptr;
    if (last && pattern == lastPattern)
        return *last;
    auto it = cache.find(pattern);
    if (it == cache.end())
        it = cache.emplace(pattern, CompilePattern(pattern)).first;
    lastPattern = pattern;
    last = &it->second;
    return *last;
}
