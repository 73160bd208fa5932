#include "platform/os/inifile.h"

#include <QFile>
#include <QSaveFile>

namespace {
bool isSectionHeader(const QString& trimmedLine)
{
    return trimmedLine.startsWith(u'[');
}

QString sectionName(const QString& trimmedLine)
{
    const qsizetype close = trimmedLine.indexOf(u']');
    return trimmedLine.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

bool isQuoted(const QString& text)
{
    return text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"');
}

QString encodeValue(const QString& value)
{
    if (value != value.trimmed() || isQuoted(value))
        return u'"' + value + u'"';
    return value;
}

QString decodeValue(const QString& raw)
{
    const QString value = raw.trimmed();
    return isQuoted(value) ? value.mid(1, value.size() - 2) : value;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

IniFile::IniFile(QString path)
    : path_(std::move(path))
{
    QFile file(path_);
    existed_ = file.exists();
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable_ = existed_;
        return;
    }
    QByteArray data = file.readAll();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    lines_ = QString::fromUtf8(data).split(u'\n');
    for (QString& line : lines_) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
}

std::pair<int, int> IniFile::sectionRange(const QString& section) const
{
    int begin = -1;
    for (int i = 0; i < lines_.size(); ++i) {
        const QString line = lines_[i].trimmed();
        if (!isSectionHeader(line))
            continue;
        if (begin >= 0)
            return {begin, i};
        if (sameName(sectionName(line), section))
            begin = i + 1;
    }
    return {begin, int(lines_.size())};
}

int IniFile::keyLine(const QString& section, const QString& key) const
{
    const auto [begin, end] = sectionRange(section);
    if (begin < 0)
        return -1;
    for (int i = begin; i < end; ++i) {
        const QString& line = lines_[i];
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || line.trimmed().startsWith(u';'))
            continue;
        if (sameName(line.left(equals).trimmed(), key))
            return i;
    }
    return -1;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const int i = keyLine(section, key);
    if (i < 0)
        return defaultValue;
    return decodeValue(lines_[i].mid(lines_[i].indexOf(u'=') + 1));
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    const QString value = readString(section, key).trimmed();
    bool isNumber = false;
    const qlonglong number = value.toLongLong(&isNumber);
    if (isNumber)
        return number != 0;
    if (sameName(value, QStringLiteral("true")))
        return true;
    if (sameName(value, QStringLiteral("false")))
        return false;
    return defaultValue;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const bool keyUsable = !key.trimmed().isEmpty() && key == key.trimmed() && !key.contains(u'=')
        && !key.startsWith(u'[') && !key.startsWith(u';') && !hasLineBreak(key);
    const bool sectionUsable = !section.trimmed().isEmpty() && !section.contains(u']') && !hasLineBreak(section);
    if (!keyUsable || !sectionUsable || hasLineBreak(value))
        return false;

    const QString line = key + u'=' + encodeValue(value);
    if (const int i = keyLine(section, key); i >= 0) {
        lines_[i] = line;
        return true;
    }
    auto [begin, end] = sectionRange(section);
    if (begin < 0) {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty())
            lines_.append(QString());
        lines_.append(u'[' + section + u']');
        lines_.append(line);
        return true;
    }
    // After the section's last entry, before the blank lines that separate it from the next.
    while (end > begin && lines_[end - 1].trimmed().isEmpty())
        --end;
    lines_.insert(end, line);
    return true;
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::save(QString* error) const
{
    if (unreadable_) {
        if (error)
            *error = QStringLiteral("%1 cannot be read, so it is not replaced").arg(path_);
        return false;
    }
    QSaveFile file(path_);
    const bool ok = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(lines_.isEmpty() ? QByteArray() : (lines_.join(u'\n') + u'\n').toUtf8()) >= 0
        && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}
