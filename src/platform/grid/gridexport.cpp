#include "platform/grid/gridexport.h"

#include "platform/dataset/clientdataset.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/gridcolumnsmodel.h"
#include "platform/grid/gridfilter.h"
#include "platform/widgets/filedialogs.h"
#include "platform/widgets/messagedialog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <algorithm>
#include <numeric>

namespace {

constexpr int kMaxCellText = 32767; // characters a spreadsheet cell holds

bool IsPlaceholder(QChar c)
{
    return c == u'0' || c == u'#' || c == u',' || c == u'.';
}

QString Quoted(const QString& literal)
{
    if (literal.isEmpty())
        return {};
    QString escaped = literal;
    escaped.replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString NumberSection(const QString& section)
{
    const qsizetype first = std::find_if(section.begin(), section.end(), IsPlaceholder) - section.begin();
    qsizetype last = first;
    for (qsizetype i = first; i < section.size(); ++i)
        if (IsPlaceholder(section[i]))
            last = i + 1;
    if (first >= section.size())
        return Quoted(section);
    const QString number = section.mid(first, last - first);
    const qsizetype point = number.indexOf(u'.');
    const QString integer = point < 0 ? number : number.left(point);
    const QString decimals = point < 0 ? QString() : number.mid(point + 1).remove(u',');
    const int zeros = int(integer.count(u'0'));
    QString core;
    if (integer.contains(u',')) {
        core = QStringLiteral("#,###");
        for (int z = 0, pos = int(core.size()) - 1; z < zeros && pos >= 0; --pos)
            if (core[pos] == u'#') {
                core[pos] = u'0';
                ++z;
            }
        if (zeros > 3)
            core = QString(zeros - 3, u'0') + core.mid(1);
    } else {
        core = zeros > 0 ? QString(zeros, u'0') : QStringLiteral("#");
    }
    if (!decimals.isEmpty())
        core += u'.' + decimals;
    return Quoted(section.left(first)) + core + Quoted(section.mid(last));
}

lxw_datetime ToSpreadsheetTime(const QDateTime& value)
{
    const QDate d = value.date();
    const QTime t = value.time();
    return lxw_datetime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
}

bool InSpreadsheetRange(const QDate& date)
{
    return date.isValid() && date.year() >= 1900 && date.year() <= 9999;
}

class Workbook {
public:
    explicit Workbook(const QString& fileName) : fileName_(fileName)
    {
        // Rows are written in order, so the sheet streams to disk instead of piling up.
        lxw_workbook_options options = {};
        options.constant_memory = LXW_TRUE;
        book_ = workbook_new_opt(QFile::encodeName(fileName).constData(), &options);
        if (!book_)
            throw GridExportError(QStringLiteral("Dosya oluşturulamadı: %1").arg(fileName));
        sheet_ = workbook_add_worksheet(book_, nullptr);
    }
    ~Workbook()
    {
        if (book_)
            workbook_close(book_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_worksheet* sheet() const { return sheet_; }

    lxw_format* numberFormat(const QString& pattern)
    {
        auto it = formats_.find(pattern);
        if (it != formats_.end())
            return it->second;
        lxw_format* format = workbook_add_format(book_);
        format_set_num_format(format, pattern.toUtf8().constData());
        formats_.emplace(pattern, format);
        return format;
    }

    lxw_format* bold()
    {
        if (!bold_) {
            bold_ = workbook_add_format(book_);
            format_set_bold(bold_);
        }
        return bold_;
    }

    void check(lxw_error error) const
    {
        if (error != LXW_NO_ERROR)
            throw GridExportError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(fileName_, QString::fromUtf8(lxw_strerror(error))));
    }

    void close()
    {
        lxw_workbook* book = book_;
        book_ = nullptr;
        check(workbook_close(book));
    }

private:
    QString fileName_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    std::map<QString, lxw_format*> formats_;
};

// Every row of the dataset, in the order the grid sorts its rows.
std::vector<int> ExportRowOrder(const DataGrid& grid)
{
    const GridColumnsModel& model = *grid.columnsModel();
    std::vector<int> rows(size_t(model.rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    const int sortColumn = grid.rowsModel()->sortColumn();
    if (sortColumn >= 0 && sortColumn < model.columnCount()) {
        const bool descending = grid.rowsModel()->sortOrder() == Qt::DescendingOrder;
        std::vector<QVariant> keys(rows.size());
        for (int r : rows)
            keys[size_t(r)] = model.index(r, sortColumn).data(Qt::UserRole);
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            const int order = GridFilter::compareValues(keys[size_t(a)], keys[size_t(b)]);
            return descending ? order > 0 : order < 0;
        });
    }
    // A grouped grid is written group by group, every group expanded.
    const int groupColumn = grid.groupColumn();
    if (groupColumn >= 0 && groupColumn < model.columnCount()) {
        std::vector<QVariant> keys(rows.size());
        for (size_t r = 0; r < keys.size(); ++r)
            keys[r] = model.index(int(r), groupColumn).data(Qt::UserRole);
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            return GridFilter::compareValues(keys[size_t(a)], keys[size_t(b)]) < 0;
        });
    }
    return rows;
}

void WriteCell(Workbook& book, lxw_row_t r, lxw_col_t c, const ClientDataSet& ds, int field, int row)
{
    if (ds.isNull(row, field))
        return;
    lxw_worksheet* sheet = book.sheet();
    const Field& f = *ds.field(field);
    const QVariant value = ds.value(row, field);
    switch (f.fieldClass()) {
    case FieldClass::Integer:
    case FieldClass::Float:
    case FieldClass::Currency:
    case FieldClass::BCD: {
        QString pattern = SpreadsheetNumberFormat(f.displayFormat());
        if (pattern.isEmpty() && f.fieldClass() == FieldClass::Currency)
            pattern = QStringLiteral("#,##0.00");
        book.check(worksheet_write_number(sheet, r, c, value.toDouble(),
                                          pattern.isEmpty() ? nullptr : book.numberFormat(pattern)));
        return;
    }
    case FieldClass::Boolean:
        book.check(worksheet_write_boolean(sheet, r, c, value.toBool(), nullptr));
        return;
    case FieldClass::Date:
    case FieldClass::Time:
    case FieldClass::DateTime: {
        QDateTime when;
        QString pattern;
        if (f.fieldClass() == FieldClass::Date) {
            when = QDateTime(value.toDate(), QTime(0, 0));
            pattern = QStringLiteral("dd.mm.yyyy");
        } else if (f.fieldClass() == FieldClass::Time) {
            when = QDateTime(QDate(1899, 12, 31), value.toTime());
            pattern = QStringLiteral("hh:mm:ss");
        } else {
            when = value.toDateTime();
            pattern = QStringLiteral("dd.mm.yyyy hh:mm:ss");
        }
        if (f.fieldClass() == FieldClass::Time) {
            const double day = value.toTime().msecsSinceStartOfDay() / 86400000.0;
            book.check(worksheet_write_number(sheet, r, c, day, book.numberFormat(pattern)));
        } else if (InSpreadsheetRange(when.date())) {
            lxw_datetime dt = ToSpreadsheetTime(when);
            book.check(worksheet_write_datetime(sheet, r, c, &dt, book.numberFormat(pattern)));
        } else {
            book.check(worksheet_write_string(sheet, r, c, ds.displayText(row, field).toUtf8().constData(), nullptr));
        }
        return;
    }
    case FieldClass::String:
        break;
    }
    const QString text = value.toString().left(kMaxCellText);
    book.check(worksheet_write_string(sheet, r, c, text.toUtf8().constData(), nullptr));
}

} // namespace

QString SpreadsheetFileName(const QString& chosen)
{
    if (chosen.isEmpty())
        return {};
    const QFileInfo info(chosen);
    const QString suffix = info.suffix();
    QString base = chosen;
    if (!suffix.isEmpty())
        base.chop(suffix.size() + 1);
    return base + QStringLiteral(".xlsx");
}

QString SpreadsheetNumberFormat(const QString& displayFormat)
{
    if (displayFormat.trimmed().isEmpty())
        return {};
    QStringList sections = displayFormat.split(u';');
    for (QString& s : sections)
        s = NumberSection(s);
    return sections.join(u';');
}

void ExportGridToSpreadsheet(const DataGrid& grid, const QString& fileName)
{
    const ClientDataSet* ds = grid.dataSet();
    const GridColumnsModel& model = *grid.columnsModel();
    const QList<int> columns = grid.shownColumns();
    const std::vector<int> rows = ExportRowOrder(grid);

    // Written beside the target first, so a failed write leaves an existing file whole.
    const QString partial = fileName + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        Workbook book(partial);
        for (int i = 0; i < columns.size(); ++i) {
            const QString caption = model.columns()[size_t(columns[i])].shownCaption();
            book.check(worksheet_write_string(book.sheet(), 0, lxw_col_t(i), caption.toUtf8().constData(), book.bold()));
        }
        for (size_t n = 0; n < rows.size() && ds; ++n) {
            const lxw_row_t r = lxw_row_t(n + 1);
            for (int i = 0; i < columns.size(); ++i) {
                const int column = columns[i];
                const int field = model.sourceColumn(column);
                if (field >= 0) {
                    WriteCell(book, r, lxw_col_t(i), *ds, field, rows[n]);
                } else if (const ColumnSpec& spec = model.columns()[size_t(column)]; spec.text) {
                    const QString text = spec.text(*ds, rows[n]).left(kMaxCellText);
                    if (!text.isEmpty())
                        book.check(worksheet_write_string(book.sheet(), r, lxw_col_t(i), text.toUtf8().constData(), nullptr));
                }
            }
        }
        book.close();
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (QFile::exists(fileName) && !QFile::remove(fileName)) {
        QFile::remove(partial);
        throw GridExportError(QStringLiteral("Dosya değiştirilemedi: %1").arg(fileName));
    }
    if (!QFile::rename(partial, fileName)) {
        QFile::remove(partial);
        throw GridExportError(QStringLiteral("Dosya yazılamadı: %1").arg(fileName));
    }
}

QString SaveGridAsSpreadsheet(const DataGrid& grid, QWidget* parent)
{
    const QString chosen = filedialogs::GetSaveFileName(parent, QStringLiteral("Excel Kaydet"), QString(),
                                                        QStringLiteral("Excel (*.xlsx *.xls)"));
    if (chosen.isEmpty())
        return {};
    const QString fileName = SpreadsheetFileName(chosen);
    // The dialog asked about replacing the name it was given; a different name is asked about here.
    if (fileName != chosen && QFile::exists(fileName) &&
        ShowMessageDialog(QStringLiteral("%1 zaten var. Üzerine yazılsın mı?").arg(QDir::toNativeSeparators(fileName)),
                          MsgDlgType::Confirmation, mbYes | mbNo, mbNo) != mrYes)
        return {};
    try {
        ExportGridToSpreadsheet(grid, fileName);
    } catch (const GridExportError& e) {
        ShowMessageDialog(e.text(), MsgDlgType::Error, mbOK, mbOK);
        return {};
    }
    return fileName;
}
