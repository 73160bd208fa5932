#include "platform/format/formatfloat.h"

#include "platform/format/decimaldigits.h"
#include "platform/format/formatpattern.h"

#include <QVarLengthArray>

#include <atomic>
#include <charconv>
#include <cmath>
#include <mutex>

namespace {

// ---- current locale: read on every call, so each thread keeps a copy and only
// looks at the shared one after SetCurrentLocale changed it.

std::mutex localeMutex;
std::atomic<int> localeGeneration{1};

QLocale& sharedLocale()
{
    static QLocale locale = [] {
        const QString name = qEnvironmentVariable("VELKORA_LOCALE");
        return name.isEmpty() ? QLocale::system() : QLocale(name);
    }();
    return locale;
}

// ---- separators of a locale, cached because QLocale builds them on every call.

struct Separators {
    QString decimal;
    QString group;
};

const Separators& separatorsOf(const QLocale& locale)
{
    thread_local QLocale cachedLocale;
    thread_local Separators cached;
    thread_local bool valid = false;
    if (!valid || !(cachedLocale == locale)) {
        cachedLocale = locale;
        cached = {locale.decimalPoint(), locale.groupSeparator()};
        valid = true;
    }
    return cached;
}

using Buffer = QVarLengthArray<QChar, 64>;

void append(Buffer& out, const QString& text)
{
    out.append(text.constData(), text.size());
}

void appendAscii(Buffer& out, const char* text)
{
    while (*text)
        out.append(QLatin1Char(*text++));
}

void appendNonFinite(Buffer& out, double value)
{
    if (std::isnan(value))
        appendAscii(out, "NAN");
    else
        appendAscii(out, value < 0 ? "-INF" : "INF");
}

void appendGeneral(Buffer& out, double value, const Separators& separators)
{
    if (!std::isfinite(value)) {
        appendNonFinite(out, value);
        return;
    }
    const DecimalDigits d = SignificantDigits15(value);
    if (d.isZero()) {
        out.append(u'0');
        return;
    }
    if (d.negative)
        out.append(u'-');
    const int exponent = d.pointPosition - 1;
    if (exponent < -5 || exponent >= 15) {
        out.append(QLatin1Char(d.digits[0]));
        if (d.count > 1) {
            append(out, separators.decimal);
            for (int i = 1; i < d.count; ++i)
                out.append(QLatin1Char(d.digits[i]));
        }
        out.append(u'E');
        char text[8];
        const auto end = std::to_chars(text, text + sizeof text - 1, exponent).ptr;
        *end = '\0';
        appendAscii(out, text);
        return;
    }
    if (d.pointPosition <= 0) {
        out.append(u'0');
        append(out, separators.decimal);
        for (int i = d.pointPosition; i < 0; ++i)
            out.append(u'0');
        for (int i = 0; i < d.count; ++i)
            out.append(QLatin1Char(d.digits[i]));
        return;
    }
    for (int i = 0; i < d.pointPosition; ++i)
        out.append(QLatin1Char(d.digitAt(i)));
    if (d.count > d.pointPosition) {
        append(out, separators.decimal);
        for (int i = d.pointPosition; i < d.count; ++i)
            out.append(QLatin1Char(d.digits[i]));
    }
}

// Writes the rounded magnitude d into the section's placeholders.
void appendSection(Buffer& out, const PatternSection& section, const DecimalDigits& d,
                   const Separators& separators)
{
    const int integerDigits = std::max(std::max(d.pointPosition, 0), section.minIntegerDigits);
    // Index into the value's digits of the first integer digit written (padding zeros before it).
    const int firstDigit = d.pointPosition - integerDigits;
    const int excess = integerDigits - section.integerPlaceholders;
    int fractionShown = section.fractionPlaceholders;
    while (fractionShown > section.minFractionDigits
           && d.digitAt(d.pointPosition + fractionShown - 1) == '0')
        --fractionShown;

    auto putIntegerDigit = [&](int position) { // position 0..integerDigits-1, left to right
        out.append(QLatin1Char(d.digitAt(firstDigit + position)));
        const int left = integerDigits - 1 - position;
        if (section.thousands && left > 0 && left % 3 == 0)
            append(out, separators.group);
    };

    int integerIndex = 0;
    int fractionIndex = 0;
    for (const PatternToken& token : section.tokens) {
        switch (token.kind) {
        case PatternToken::Literal:
            append(out, token.text);
            break;
        case PatternToken::IntegerDigit: {
            const int position = integerIndex + excess;
            if (integerIndex == 0 && excess > 0) {
                for (int p = 0; p <= excess; ++p)
                    putIntegerDigit(p);
            } else if (position >= 0) {
                putIntegerDigit(position);
            }
            ++integerIndex;
            break;
        }
        case PatternToken::DecimalPoint:
            // ".00" has no integer placeholders: the integer digits go before the point.
            if (section.integerPlaceholders == 0)
                for (int p = 0; p < integerDigits; ++p)
                    putIntegerDigit(p);
            if (fractionShown > 0)
                append(out, separators.decimal);
            break;
        case PatternToken::FractionDigit:
            if (fractionIndex < fractionShown)
                out.append(QLatin1Char(d.digitAt(d.pointPosition + fractionIndex)));
            ++fractionIndex;
            break;
        }
    }
}

void appendFormatted(Buffer& out, const CompiledPattern& pattern, double value,
                     const Separators& separators)
{
    // Like the general format, patterns give way to it for values they cannot hold.
    if (pattern.general || !std::isfinite(value) || std::fabs(value) >= 1e18) {
        appendGeneral(out, value, separators);
        return;
    }
    const bool negative = value < 0;
    const DecimalDigits exact = SignificantDigits15(value);

    const PatternSection* section =
        negative && pattern.hasNegative ? &pattern.negative : &pattern.positive;
    DecimalDigits d = exact;
    d.roundToDecimals(section->fractionPlaceholders);
    bool minus = negative && !pattern.hasNegative;
    if (d.isZero()) {
        // A value that rounds to zero is zero: no minus sign, the zero section if any.
        minus = false;
        section = pattern.hasZero ? &pattern.zero : &pattern.positive;
        d = exact;
        d.roundToDecimals(section->fractionPlaceholders);
    }
    if (minus)
        out.append(u'-');
    appendSection(out, *section, d, separators);
}

double roundWith(const QString& pattern, double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return value;
    QString text = FormatFloat(pattern, value, locale);
    text.remove(separatorsOf(locale).group);
    bool ok = false;
    const double rounded = StrToFloat(text, &ok, locale);
    return ok ? rounded : value;
}

} // namespace

QLocale CurrentLocale()
{
    thread_local int generation = 0;
    thread_local QLocale locale;
    const int current = localeGeneration.load(std::memory_order_acquire);
    if (generation != current) {
        std::lock_guard lock(localeMutex);
        locale = sharedLocale();
        generation = localeGeneration.load(std::memory_order_relaxed);
    }
    return locale;
}

void SetCurrentLocale(const QLocale& locale)
{
    std::lock_guard lock(localeMutex);
    sharedLocale() = locale;
    localeGeneration.fetch_add(1, std::memory_order_release);
}

QString FormatFloat(const QString& pattern, double value, const QLocale& locale)
{
    Buffer out;
    appendFormatted(out, CachedPattern(pattern), value, separatorsOf(locale));
    return QString(out.constData(), out.size());
}

QString FormatGeneral(double value, const QLocale& locale)
{
    Buffer out;
    appendGeneral(out, value, separatorsOf(locale));
    return QString(out.constData(), out.size());
}

double StrToFloat(const QString& text, bool* ok, const QLocale& locale)
{
    if (ok)
        *ok = false;
    const QString& decimal = separatorsOf(locale).decimal;
    const QStringView trimmed = QStringView(text).trimmed();
    QVarLengthArray<char, 64> ascii;
    qsizetype i = 0;
    if (i < trimmed.size() && (trimmed[i] == u'-' || trimmed[i] == u'+')) {
        if (trimmed[i] == u'-')
            ascii.append('-');
        ++i;
    }
    int mantissaDigits = 0;
    bool point = false;
    while (i < trimmed.size()) {
        const QChar c = trimmed[i];
        if (c >= u'0' && c <= u'9') {
            ascii.append(char(c.unicode()));
            ++mantissaDigits;
            ++i;
        } else if (!point && !decimal.isEmpty() && trimmed.mid(i).startsWith(decimal)) {
            ascii.append('.');
            point = true;
            i += decimal.size();
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < trimmed.size() && (trimmed[i] == u'e' || trimmed[i] == u'E')) {
        ascii.append('e');
        ++i;
        if (i < trimmed.size() && (trimmed[i] == u'-' || trimmed[i] == u'+'))
            ascii.append(char(trimmed[i++].unicode()));
        int exponentDigits = 0;
        while (i < trimmed.size() && trimmed[i] >= u'0' && trimmed[i] <= u'9') {
            ascii.append(char(trimmed[i++].unicode()));
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return 0;
    }
    if (i != trimmed.size())
        return 0;
    double value = 0;
    const auto result = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (result.ec != std::errc() || result.ptr != ascii.constData() + ascii.size())
        return 0;
    if (ok)
        *ok = true;
    return value;
}

double RoundTwoDecimals(double value, const QLocale& locale)
{
    static const QString pattern = QStringLiteral("#,###,##.00");
    return roundWith(pattern, value, locale);
}

double RoundThreeDecimals(double value, const QLocale& locale)
{
    static const QString pattern = QStringLiteral("#,###,##.000");
    return roundWith(pattern, value, locale);
}
