#pragma once

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// Reads the first worksheet of an .xlsx back as text cells (shared strings
// resolved, numbers as written), through the unzip tool.
struct SheetCells {
    bool ok = false;
    QMap<int, QMap<int, QString>> cells; // row -> column -> value, 0-based
    QMap<int, QMap<int, QString>> types; // the cell's type attribute ("s", "n", "b", ...)

    QString at(int row, int column) const { return cells.value(row).value(column); }
    int rowCount() const { return cells.isEmpty() ? 0 : cells.lastKey() + 1; }
    int columnCount() const
    {
        int n = 0;
        for (const auto& row : cells)
            if (!row.isEmpty())
                n = std::max(n, row.lastKey() + 1);
        return n;
    }
};

inline QByteArray UnzipMember(const QString& file, const QString& member, bool* ok)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    *ok = unzip.waitForFinished(60000) && unzip.exitStatus() == QProcess::NormalExit && unzip.exitCode() == 0;
    return unzip.readAllStandardOutput();
}

// "BC12" -> column 54, row 11.
inline void CellPosition(const QString& ref, int* row, int* column)
{
    int c = 0, i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i)
        c = c * 26 + (ref[i].unicode() - 'A' + 1);
    *column = c - 1;
    *row = ref.mid(i).toInt() - 1;
}

inline SheetCells ReadFirstSheet(const QString& file)
{
    SheetCells sheet;
    bool ok = false;
    QStringList shared;
    const QByteArray sst = UnzipMember(file, QStringLiteral("xl/sharedStrings.xml"), &ok);
    if (ok) {
        QXmlStreamReader xml(sst);
        QString current;
        bool inItem = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"si") {
                inItem = true;
                current.clear();
            } else if (xml.isStartElement() && xml.name() == u"t" && inItem) {
                current += xml.readElementText();
            } else if (xml.isEndElement() && xml.name() == u"si") {
                shared.append(current);
                inItem = false;
            }
        }
    }
    const QByteArray data = UnzipMember(file, QStringLiteral("xl/worksheets/sheet1.xml"), &ok);
    if (!ok)
        return sheet;
    QXmlStreamReader xml(data);
    int row = -1, column = -1;
    QString type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"c") {
            CellPosition(xml.attributes().value(QStringLiteral("r")).toString(), &row, &column);
            type = xml.attributes().value(QStringLiteral("t")).toString();
        } else if (xml.isStartElement() && (xml.name() == u"v" || xml.name() == u"t")) {
            const QString value = xml.readElementText();
            sheet.cells[row][column] = type == u"s" ? shared.value(value.toInt()) : value;
            sheet.types[row][column] = type.isEmpty() ? QStringLiteral("n") : type;
        }
    }
    sheet.ok = !xml.hasError();
    return sheet;
}
