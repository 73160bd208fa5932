#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// A small INI file: "[section]" lines and "key=value" lines, written as UTF-8
// text exactly as given, so any plain INI reader understands it. Sections and
// keys are matched without regard to case. A value with blanks at either end,
// or one that is itself enclosed in double quotes, is written in double quotes
// so it reads back unchanged. Lines this class does not change stay as they were.
class IniFile {
public:
    // Reads the file if it exists; a missing file reads as empty. A file that
    // exists but cannot be read also reads as empty, and save() then refuses to
    // replace it, so its contents are never lost.
    explicit IniFile(QString path);

    const QString& path() const { return path_; }
    // Whether the file existed when it was read.
    bool exists() const { return existed_; }

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // Integers ("1", "0") and "true"/"false"; anything else gives the default.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Changes the text in memory; save() writes it. Returns false (and changes
    // nothing) for a section, key or value that cannot stand on one INI line.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeBool(const QString& section, const QString& key, bool value);

    // Replaces the file atomically, readable and writable by its owner only
    // (it may hold a password). On failure the old file is kept and error says why.
    bool save(QString* error = nullptr) const;

private:
    // Index range [begin, end) of the section's lines after its header; begin < 0 when missing.
    std::pair<int, int> sectionRange(const QString& section) const;
    int keyLine(const QString& section, const QString& key) const;

    QString path_;
    QStringList lines_;
    bool existed_ = false;
    bool unreadable_ = false;
};
