#include "gridfixture.h"
#include "support/scriptedfiledialogs.h"
#include "support/scriptedmessages.h"
#include "xlsxreader.h"

#include "platform/grid/gridexport.h"

#include <QFile>
#include <QTemporaryDir>

TEST(SpreadsheetNames, ExtensionBecomesXlsx)
{
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"/tmp/a/liste.xls", "/tmp/a/liste.xlsx"},
        {"/tmp/a/liste.XLS", "/tmp/a/liste.xlsx"},
        {"/tmp/a/liste.xlsx", "/tmp/a/liste.xlsx"},
        {"/tmp/a/liste", "/tmp/a/liste.xlsx"},
        {"/tmp/a/sepet.2026.csv", "/tmp/a/sepet.2026.xlsx"},
        {"/tmp/a.b/liste", "/tmp/a.b/liste.xlsx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpreadsheetFileName(QString::fromUtf8(c.chosen)), QString::fromUtf8(c.written));
}

TEST(SpreadsheetNames, NumberFormatsInTheSheetsNotation)
{
    const struct {
        const char* display;
        const char* sheet;
    } cases[] = {
        {"#,###,##0.00", "#,##0.00"},
        {"#,###,##.00", "#,###.00"},
        {"#,###,##00.00", "#,#00.00"},
        {"0.000", "0.000"},
        {",0.00 TL;-,0.00 TL", "#,##0.00\" TL\";\"-\"#,##0.00\" TL\""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpreadsheetNumberFormat(QString::fromUtf8(c.display)), QString::fromUtf8(c.sheet)) << c.display;
}

using ExportTest = GridFixture;

TEST_F(ExportTest, WritesShownColumnsAndEveryRowInGridOrder)
{
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    dialogs.answer(dir.filePath("liste.xls"));
    grid->setColumnFilter(col("MARKA"), QStringLiteral("KORVA")); // the export ignores filters
    grid->setColumnShown(col("MARKA"), false);

    const QString written = SaveGridAsSpreadsheet(*grid, grid.get());
    EXPECT_EQ(written, dir.filePath("liste.xlsx"));
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_TRUE(dialogs.requests()[0].filter.contains("*.xlsx"));
    EXPECT_FALSE(QFile::exists(dir.filePath("liste.xls")));

    const SheetCells sheet = ReadFirstSheet(written);
    ASSERT_TRUE(sheet.ok);
    ASSERT_EQ(sheet.rowCount(), 5);
    ASSERT_EQ(sheet.columnCount(), 4);
    EXPECT_EQ(sheet.cells[0].values(), (QStringList{"Barkod", "Açıklama", "Liste Fiyatı", "Yeni"}));
    // Sorted by KALAN, largest first: B-200, B-100, B-400, B-300.
    const QStringList barcodes{sheet.at(1, 0), sheet.at(2, 0), sheet.at(3, 0), sheet.at(4, 0)};
    EXPECT_EQ(barcodes, (QStringList{"B-200", "B-100", "B-400", "B-300"}));
    EXPECT_EQ(sheet.at(2, 1), QStringLiteral("Fren balatası"));
    EXPECT_EQ(sheet.at(2, 2), "1234.5");
    EXPECT_EQ(sheet.types[2][2], "n");
    EXPECT_EQ(sheet.at(3, 2), ""); // null price: empty cell
    EXPECT_EQ(sheet.at(2, 3), "1");
}

TEST_F(ExportTest, CancelDeclineAndFailureWriteNothingAndKeepTheOldFile)
{
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    ScriptedMessages messages;

    dialogs.answer(QString());
    EXPECT_EQ(SaveGridAsSpreadsheet(*grid, grid.get()), QString());

    // "liste.xls" would replace an existing "liste.xlsx": asked, declined, kept.
    const QString existing = dir.filePath("liste.xlsx");
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    dialogs.answer(dir.filePath("liste.xls"));
    messages.answer(mrNo);
    EXPECT_EQ(SaveGridAsSpreadsheet(*grid, grid.get()), QString());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().type, MsgDlgType::Confirmation);
    EXPECT_EQ(messages.last().defaultButton, mbNo);
    QFile kept(existing);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");

    // A folder that does not exist: an error message, no file, nothing left behind.
    dialogs.answer(dir.filePath("yok/liste.xlsx"));
    EXPECT_EQ(SaveGridAsSpreadsheet(*grid, grid.get()), QString());
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.last().type, MsgDlgType::Error);
    EXPECT_TRUE(messages.last().text.contains("liste.xlsx"));
    EXPECT_FALSE(QFile::exists(dir.filePath("yok/liste.xlsx")));
}
