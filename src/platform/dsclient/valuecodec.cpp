#include "platform/dsclient/valuecodec.h"

#include "platform/dataset/column.h"

#include <QDate>
#include <charconv>
#include <cmath>

namespace dsclient {

namespace {

bool digits(std::string_view text, size_t pos, size_t count, int* value)
{
    int v = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    *value = v;
    return true;
}

// "YYYY-MM-DD" at the start of text.
bool parseDatePart(std::string_view text, qint64* key)
{
    int y, m, d;
    if (text.size() < 10 || text[4] != '-' || text[7] != '-' || !digits(text, 0, 4, &y) || !digits(text, 5, 2, &m)
        || !digits(text, 8, 2, &d) || y < 1)
        return false;
    const QDate date(y, m, d);
    if (!date.isValid())
        return false;
    *key = date.toJulianDay();
    return true;
}

// "HH:MM:SS" with an optional ".mmm": the whole of text.
bool parseTimePart(std::string_view text, qint64* key)
{
    int h, m, s, ms = 0;
    if ((text.size() != 8 && text.size() != 12) || text[2] != ':' || text[5] != ':' || !digits(text, 0, 2, &h)
        || !digits(text, 3, 2, &m) || !digits(text, 6, 2, &s))
        return false;
    if (text.size() == 12 && (text[8] != '.' || !digits(text, 9, 3, &ms)))
        return false;
    if (h > 23 || m > 59 || s > 59)
        return false;
    *key = ((h * 60 + m) * 60 + s) * 1000LL + ms;
    return true;
}

void append2(std::string& out, int v)
{
    out.push_back(char('0' + v / 10));
    out.push_back(char('0' + v % 10));
}

} // namespace

bool parseWireDate(std::string_view text, qint64* dateKey)
{
    return text.size() == 10 && parseDatePart(text, dateKey);
}

bool parseWireTime(std::string_view text, qint64* timeKey)
{
    return parseTimePart(text, timeKey);
}

bool parseWireDateTime(std::string_view text, qint64* dateTimeKey)
{
    qint64 day, ms;
    if (text.size() < 11 || text[10] != 'T' || !parseDatePart(text, &day) || !parseTimePart(text.substr(11), &ms))
        return false;
    *dateTimeKey = day * kMsecsPerDay + ms;
    return true;
}

bool appendWireDate(std::string& out, qint64 dateKey)
{
    int y, m, d;
    QDate::fromJulianDay(dateKey).getDate(&y, &m, &d);
    if (y < 1 || y > 9999)
        return false;
    append2(out, y / 100);
    append2(out, y % 100);
    out.push_back('-');
    append2(out, m);
    out.push_back('-');
    append2(out, d);
    return true;
}

void appendWireTime(std::string& out, qint64 timeKey)
{
    const int ms = int(timeKey % 1000);
    const int secs = int(timeKey / 1000);
    append2(out, secs / 3600);
    out.push_back(':');
    append2(out, secs / 60 % 60);
    out.push_back(':');
    append2(out, secs % 60);
    if (ms != 0) {
        out.push_back('.');
        out.push_back(char('0' + ms / 100));
        append2(out, ms % 100);
    }
}

bool appendWireDateTime(std::string& out, qint64 dateTimeKey)
{
    qint64 day = dateTimeKey / kMsecsPerDay;
    qint64 ms = dateTimeKey % kMsecsPerDay;
    if (ms < 0) {
        ms += kMsecsPerDay;
        --day;
    }
    if (!appendWireDate(out, day))
        return false;
    out.push_back('T');
    appendWireTime(out, ms - ms % 1000);
    const int frac = int(ms % 1000);
    out.push_back('.');
    out.push_back(char('0' + frac / 100));
    append2(out, frac % 100);
    return true;
}

void appendJsonString(std::string& out, std::string_view utf8)
{
    static const char hex[] = "0123456789abcdef";
    out.push_back('"');
    size_t plainStart = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(utf8.data() + plainStart, i - plainStart);
        plainStart = i + 1;
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        case '\b': out.append("\\b"); break;
        case '\f': out.append("\\f"); break;
        default:
            out.append("\\u00");
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    out.append(utf8.data() + plainStart, utf8.size() - plainStart);
    out.push_back('"');
}

void appendJsonInt(std::string& out, qint64 value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

bool appendJsonDouble(std::string& out, double value)
{
    if (!std::isfinite(value))
        return false;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
    return true;
}

} // namespace dsclient
