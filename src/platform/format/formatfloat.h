#pragma once

#include <QLocale>
#include <QString>

// Number formatting with Delphi-style patterns ("#,###,##0.00", ",0.00 TL;-,0.00 TL", ...):
// digit placeholders 0 and #, a thousands flag, a decimal point, literal text and
// sections for negative (and zero) values. Separators come from the locale.
// Rounding is half away from zero on the value's 15-significant-digit decimal form.
// This is the one formatter of every money value in the system.

// The display format of every money field and shown total.
inline constexpr const char* kMoneyFormat = "#,###,##0.00";

// The locale every formatting call uses unless told otherwise: QLocale::system(),
// overridable by option or environment (VELKORA_LOCALE).
QLocale CurrentLocale();
void SetCurrentLocale(const QLocale& locale);

// FormatFloat(pattern, value): an empty pattern gives the general format, and so do values
// of 1E18 and more and non-finite ones ("INF", "-INF", "NAN"). Patterns are compiled once
// per thread and kept.
QString FormatFloat(const QString& pattern, double value, const QLocale& locale = CurrentLocale());

// General format: at most 15 significant digits, no thousands separators,
// the locale's decimal separator, exponent form for very large or small values.
QString FormatGeneral(double value, const QLocale& locale = CurrentLocale());

// Reads a number written with the locale's decimal separator (thousands separators
// not accepted); ok is false for text that is not a number.
double StrToFloat(const QString& text, bool* ok = nullptr, const QLocale& locale = CurrentLocale());

// Format with "#,###,##.00" (or ".000"), strip the thousands separators, read back.
// Non-finite values come back unchanged.
double RoundTwoDecimals(double value, const QLocale& locale = CurrentLocale());
double RoundThreeDecimals(double value, const QLocale& locale = CurrentLocale());
