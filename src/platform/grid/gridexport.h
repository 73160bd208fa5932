#pragma once

#include <QString>

#include <stdexcept>

class DataGrid;
class QWidget;

// A spreadsheet that could not be written; the text says which file and why.
class GridExportError : public std::runtime_error {
public:
    explicit GridExportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The name the spreadsheet is written under: the chosen name with its extension
// replaced by ".xlsx" (the workbook format written), so "liste.xls" becomes
// "liste.xlsx" and "liste" becomes "liste.xlsx".
QString SpreadsheetFileName(const QString& chosen);

// The pattern of a number display format in the spreadsheet's own notation
// ("#,###,##0.00" -> "#,##0.00"); empty for the general format.
QString SpreadsheetNumberFormat(const QString& displayFormat);

// Writes the grid as one worksheet: the shown columns in their order with their
// captions, and every row of the dataset (header filters do not narrow the
// export) in the grid's sort order. Numbers, dates and booleans are written as
// such, with their display formats. An existing file is replaced only once the
// new one is complete. Throws GridExportError.
void ExportGridToSpreadsheet(const DataGrid& grid, const QString& fileName);

// "Excel Kaydet": asks for a file name and exports the grid to it. Returns the file
// written; empty when the user cancelled, declined to replace a file, or the write
// failed (the failure is reported with an error message).
QString SaveGridAsSpreadsheet(const DataGrid& grid, QWidget* parent);
