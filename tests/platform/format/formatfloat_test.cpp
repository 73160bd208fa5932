#include "platform/format/formatfloat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

namespace {

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale american(QLocale::English, QLocale::UnitedStates);

struct FormatCase {
    const char* pattern;
    double value;
    const char* turkishText;
    const char* americanText;
};

const FormatCase formatCases[] = {
    {kMoneyFormat, 1234.5, "1.234,50", "1,234.50"},
    {kMoneyFormat, -1234.5, "-1.234,50", "-1,234.50"},
    {kMoneyFormat, 0, "0,00", "0.00"},
    {kMoneyFormat, 1e9, "1.000.000.000,00", "1,000,000,000.00"},
    {kMoneyFormat, 123456, "123.456,00", "123,456.00"},
    // rounding on the 15-digit decimal form, halves away from zero
    {kMoneyFormat, 1.005, "1,01", "1.01"},
    {kMoneyFormat, 0.0118, "0,01", "0.01"},
    {kMoneyFormat, 2.675, "2,68", "2.68"},
    {kMoneyFormat, -2.675, "-2,68", "-2.68"},
    {kMoneyFormat, 0.125, "0,13", "0.13"},
    {kMoneyFormat, 999.995, "1.000,00", "1,000.00"},
    {kMoneyFormat, 0.1 + 0.2, "0,30", "0.30"},
    // a value that rounds to zero has no sign
    {kMoneyFormat, -0.004, "0,00", "0.00"},
    {"#,###,##.00", 0.5, ",50", ".50"},
    {"#,###,##.00", 0, ",00", ".00"},
    {"#,###,##.00", -0.5, "-,50", "-.50"},
    {"#,###,##00.00", 5.3, "05,30", "05.30"},
    {"#,###,##00.00", 0, "00,00", "00.00"},
    {"#,###,##00.00", 1234.5, "1.234,50", "1,234.50"},
    {"#,###,##.000", 1234.5678, "1.234,568", "1,234.568"},
    {"#,###,##.000", 2.675, "2,675", "2.675"},
    {",0.00 TL;-,0.00 TL", -1234.5, "-1.234,50 TL", "-1,234.50 TL"},
    {",0.00 TL;-,0.00 TL", 1234.5, "1.234,50 TL", "1,234.50 TL"},
    {",0.00 TL;-,0.00 TL", -0.001, "0,00 TL", "0.00 TL"},
    // negative section shows the absolute value; zero section wins for zero
    {"0.00;(0.00);'sıfır'", -3.5, "(3,50)", "(3.50)"},
    {"0.00;(0.00);'sıfır'", 0.001, "sıfır", "sıfır"},
    {"0.00;;\"yok\"", -3.5, "-3,50", "-3.50"},
    {"'No: '0", 41.5, "No: 42", "No: 42"},
    {"0.##", 1, "1", "1"},
    {"0.##", 1.5, "1,5", "1.5"},
    {"0", 1234567.891, "1234568", "1234568"},
    {".00", 5.3, "5,30", "5.30"},
    {"00-00", 1234, "12-34", "12-34"},
    // beyond what a pattern holds, and the general format
    {kMoneyFormat, 1e20, "1E20", "1E20"},
    {"", 1234.5, "1234,5", "1234.5"},
    {"", -0.25, "-0,25", "-0.25"},
    {"", 0.1 + 0.2, "0,3", "0.3"},
    {"", 1e15, "1E15", "1E15"},
    {"", 123456789012345, "123456789012345", "123456789012345"},
    {"", 1.5e-7, "1,5E-7", "1.5E-7"},
    {"", 0.0001, "0,0001", "0.0001"},
    {"", 0, "0", "0"},
};

TEST(FormatFloat, PatternsUnderTurkishAndAmericanLocales)
{
    for (const FormatCase& c : formatCases) {
        const QString pattern = QString::fromUtf8(c.pattern);
        SCOPED_TRACE(QStringLiteral("pattern \"%1\" value %2").arg(pattern).arg(c.value, 0, 'g', 17).toStdString());
        EXPECT_EQ(FormatFloat(pattern, c.value, turkish), QString::fromUtf8(c.turkishText));
        EXPECT_EQ(FormatFloat(pattern, c.value, american), QString::fromUtf8(c.americanText));
    }
}

TEST(FormatFloat, NonFiniteValuesAreWrittenNotCrashedOn)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatFloat(kMoneyFormat, inf, turkish), "INF");
    EXPECT_EQ(FormatFloat(kMoneyFormat, -inf, turkish), "-INF");
    EXPECT_EQ(FormatGeneral(std::nan(""), turkish), "NAN");
    EXPECT_TRUE(std::isnan(RoundTwoDecimals(std::nan(""), turkish)));
}

TEST(FormatFloat, GeneralFormatMatchesEmptyPattern)
{
    EXPECT_EQ(FormatGeneral(1234.5, turkish), FormatFloat(QString(), 1234.5, turkish));
    EXPECT_EQ(FormatGeneral(-1e-10, american), "-1E-10");
}

TEST(RoundDecimals, AddToBasketExample)
{
    // price 100, discounts 10 % and 5 %, VAT 18 %, quantity 2
    const double net = RoundTwoDecimals(200.0 * 0.9 * 0.95, turkish);
    EXPECT_EQ(FormatFloat(kMoneyFormat, net, turkish), "171,00");
    const double unitPrice = RoundTwoDecimals(net / 2, turkish);
    EXPECT_EQ(unitPrice, 85.5);
    EXPECT_EQ(FormatFloat(kMoneyFormat, unitPrice, turkish), "85,50");
    const double withVat = RoundTwoDecimals(unitPrice * (1 + 18 / 100.0), turkish);
    EXPECT_EQ(withVat, 100.89);
    EXPECT_EQ(RoundTwoDecimals(withVat * 2, turkish), 201.78);
}

TEST(RoundDecimals, HalvesAwayFromZeroUnderBothLocales)
{
    struct Case {
        double value, two, three;
    };
    const Case cases[] = {
        {2.675, 2.68, 2.675},     {-2.675, -2.68, -2.675},   {0.125, 0.13, 0.125},
        {1.005, 1.01, 1.005},     {1.0005, 1.0, 1.001},      {-0.004, 0, -0.004},
        {0.0004, 0, 0},           {1234567.125, 1234567.13, 1234567.125},
        {0, 0, 0},                {1e20, 1e20, 1e20},
    };
    for (const QLocale& locale : {turkish, american}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1 under %2").arg(c.value, 0, 'g', 17).arg(locale.name()).toStdString());
            EXPECT_EQ(RoundTwoDecimals(c.value, locale), c.two);
            EXPECT_EQ(RoundThreeDecimals(c.value, locale), c.three);
        }
    }
    EXPECT_FALSE(std::signbit(RoundTwoDecimals(-0.004, turkish)));
}

TEST(StrToFloat, ReadsTheLocaleDecimalSeparatorOnly)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"12,5", true, 12.5}, {" -12,5 ", true, -12.5}, {",50", true, 0.5},  {"-,50", true, -0.5},
        {"+3", true, 3},      {"1,5E3", true, 1500},    {"1E-2", true, 0.01}, {"12.5", false, 0},
        {"1.234,5", false, 0}, {"", false, 0},          {",", false, 0},      {"1E", false, 0},
        {"12,5 TL", false, 0}, {"1E999", false, 0},     {"--1", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        bool ok = !c.ok;
        const double value = StrToFloat(QString::fromUtf8(c.text), &ok, turkish);
        EXPECT_EQ(ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
    bool ok = false;
    EXPECT_EQ(StrToFloat("12.5", &ok, american), 12.5);
    EXPECT_TRUE(ok);
}

TEST(CurrentLocale, OverrideReachesEveryThread)
{
    const QLocale before = CurrentLocale();
    SetCurrentLocale(turkish);
    EXPECT_EQ(FormatFloat(kMoneyFormat, 1234.5), "1.234,50");
    QString fromWorker;
    std::thread([&] { fromWorker = FormatFloat(kMoneyFormat, 1234.5); }).join();
    EXPECT_EQ(fromWorker, "1.234,50");

    SetCurrentLocale(american);
    EXPECT_EQ(FormatFloat(kMoneyFormat, 1234.5), "1,234.50");
    EXPECT_EQ(RoundTwoDecimals(1234.567), 1234.57);
    SetCurrentLocale(before);
}

} // namespace
