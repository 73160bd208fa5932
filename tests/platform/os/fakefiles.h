#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Writes a file below root, creating its folders.
inline void WriteFakeFile(const QString& root, const QString& relativePath, const QByteArray& content)
{
    const QString path = root + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

inline void MakeFakeFolder(const QString& root, const QString& relativePath)
{
    QDir().mkpath(root + u'/' + relativePath);
}
