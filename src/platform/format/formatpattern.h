#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// A FormatFloat pattern split into its sections and compiled once, so that formatting a
// value only walks a short list of tokens.

struct PatternToken {
    enum Kind { Literal, IntegerDigit, DecimalPoint, FractionDigit };
    Kind kind;
    QString text; // Literal only
};

struct PatternSection {
    std::vector<PatternToken> tokens;
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;  // placeholders from the first '0' up to the decimal point
    int fractionPlaceholders = 0;
    int minFractionDigits = 0; // placeholders up to the last '0' after the decimal point
    bool thousands = false;
};

struct CompiledPattern {
    // Sections for positive, negative and zero values; a missing or empty section is absent.
    PatternSection positive;
    PatternSection negative;
    PatternSection zero;
    bool hasNegative = false;
    bool hasZero = false;
    bool general = false; // empty pattern or empty positive section
};

CompiledPattern CompilePattern(QStringView pattern);

// The compiled form of pattern, from a per-thread cache.
const CompiledPattern& CachedPattern(const QString& pattern);
