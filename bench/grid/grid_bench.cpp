// The grid's main-thread work on a large stock list: attaching 50,000 rows
// (sorting by the remaining stock, footer count and sum), a header filter, the
// distinct values of a filter list, and the spreadsheet export of every row.
#include "platform/dataset/clientdataset.h"
#include "platform/format/formatfloat.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/gridexport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 50000;

DataTable LargeStockTable()
{
    DataTable t;
    auto add = [&](const char* name, FieldType type) {
        FieldDef d;
        d.name = QString::fromLatin1(name);
        d.type = type;
        d.size = 60;
        if (type == FieldType::Double)
            d.displayFormat = QString::fromLatin1(kMoneyFormat);
        return t.addField(d);
    };
    const char* texts[] = {"BARKOD", "ADI", "MARKA", "MODEL", "FINISHKOD", "OEM1", "OEM2", "INDIRIMYAZI"};
    for (const char* n : texts)
        add(n, FieldType::WideString);
    const char* money[] = {"KALAN", "FIYAT", "NETFIYAT", "KDVDAHIL", "LISTEFIYAT1", "KAMPFIYAT"};
    for (const char* n : money)
        add(n, FieldType::Double);
    add("DURUM", FieldType::Int32);
    add("Y", FieldType::Int32);
    t.reserveRows(kRows);
    const char* makes[] = {"ARDEN", "KORVA", "TELMA", "OSKAR", "VIRO"};
    for (int r = 0; r < kRows; ++r) {
        int c = 0;
        for (int i = 0; i < 8; ++i) {
            const QString text = i == 2 ? QString::fromLatin1(makes[r % 5])
                                        : QStringLiteral("%1-%2 FREN BALATA").arg(texts[i]).arg(r);
            t.column(c++).appendText(text.toStdString());
        }
        for (int i = 0; i < 6; ++i)
            t.column(c++).appendDouble((r * 7919 % 100000) / 100.0 + i);
        t.column(c++).appendInt(r % 7);
        t.column(c++).appendInt(r % 2);
    }
    return t;
}

ColumnTable StockColumns()
{
    ColumnTable cols;
    for (const char* f : {"DURUM", "BARKOD", "ADI", "MARKA", "MODEL", "FINISHKOD", "OEM1", "OEM2", "KALAN",
                          "LISTEFIYAT1", "KAMPFIYAT", "Y", "INDIRIMYAZI", "NETFIYAT", "KDVDAHIL"}) {
        ColumnSpec c;
        c.field = QString::fromLatin1(f);
        c.caption = c.field;
        cols.push_back(c);
    }
    cols[0].display = DisplayKind::Icon;
    cols[2].display = DisplayKind::WrappedText;
    cols[8].visibility = ColumnVisibility::HiddenNotOffered;
    cols[8].sort = Qt::DescendingOrder;
    cols[11].display = DisplayKind::YesNoIcon;
    return cols;
}

struct Setup {
    const DataTable table = LargeStockTable();
    ClientDataSet dataSet;
    DataGrid grid;
    Setup()
    {
        dataSet.setData(table);
        grid.setColumns(StockColumns());
        grid.setFooterSummaries({{QStringLiteral("OEM1"), FooterSummary::Kind::Count},
                                 {QStringLiteral("NETFIYAT"), FooterSummary::Kind::Sum}});
        grid.setDataSet(&dataSet);
        grid.resize(1366, 700);
        grid.show();
        QApplication::processEvents();
    }
};

Setup& Shared()
{
    // Left to the end of the process: widgets must not outlive the application object.
    static Setup* setup = new Setup;
    return *setup;
}

// The continuation of a load: the grid re-attached to a refilled dataset.
void BM_ReattachAfterLoad(benchmark::State& state)
{
    Setup& s = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        s.grid.detach();
        s.dataSet.setData(s.table);
        state.ResumeTiming();
        s.grid.reattach();
        QApplication::processEvents(); // the first paint
    }
    state.counters["rows"] = s.grid.rowCount();
}
BENCHMARK(BM_ReattachAfterLoad)->Unit(benchmark::kMillisecond);

void BM_HeaderFilter(benchmark::State& state)
{
    Setup& s = Shared();
    const int marka = s.grid.columnIndex(QStringLiteral("MARKA"));
    for (auto _ : state) {
        s.grid.setColumnFilter(marka, QStringLiteral("KORVA"));
        s.grid.clearFilter();
    }
}
BENCHMARK(BM_HeaderFilter)->Unit(benchmark::kMillisecond);

void BM_FilterValues(benchmark::State& state)
{
    Setup& s = Shared();
    const int adi = s.grid.columnIndex(QStringLiteral("ADI"));
    for (auto _ : state)
        benchmark::DoNotOptimize(s.grid.filterValues(adi));
}
BENCHMARK(BM_FilterValues)->Unit(benchmark::kMillisecond);

void BM_ExportAllRows(benchmark::State& state)
{
    Setup& s = Shared();
    QTemporaryDir dir;
    for (auto _ : state)
        ExportGridToSpreadsheet(s.grid, dir.filePath(QStringLiteral("stok.xlsx")));
}
BENCHMARK(BM_ExportAllRows)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetCurrentLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
