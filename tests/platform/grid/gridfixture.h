#pragma once

#include "platform/dataset/clientdataset.h"
#include "platform/format/formatfloat.h"
#include "platform/grid/datagrid.h"
#include "support/sampletables.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A small stock list: four items, money in FIYAT, the grid sorted by KALAN, largest first.
inline DataTable StockSample()
{
    DataTable table = makeTable(
        {{"STOKNO", FieldType::Int32}, {"BARKOD", FieldType::WideString}, {"ADI", FieldType::WideString},
         {"MARKA", FieldType::WideString}, {"KALAN", FieldType::Double}, {"FIYAT", FieldType::Double},
         {"Y", FieldType::Int32}},
        {
            {1, "B-100", QStringLiteral("Fren balatası"), "ARDEN", 5.0, 1234.5, 1},
            {2, "B-200", QStringLiteral("Yağ filtresi"), "KORVA", 12.0, 10.25, 0},
            {3, "B-300", QStringLiteral("Fren diski"), "ARDEN", 0.0, 99.99, QVariant()},
            {4, "B-400", QStringLiteral("Hava filtresi"), "", 3.0, QVariant(), 0},
        });
    table.column(5).def().displayFormat = QString::fromLatin1(kMoneyFormat);
    return table;
}

inline ColumnTable StockColumns()
{
    auto column = [](const char* field, const char* caption, ColumnVisibility v, int weight = 1) {
        ColumnSpec c;
        c.field = QString::fromUtf8(field);
        c.caption = QString::fromUtf8(caption);
        c.visibility = v;
        c.weight = weight;
        return c;
    };
    ColumnTable t;
    t.push_back(column("STOKNO", "", ColumnVisibility::HiddenNotOffered));
    t.push_back(column("BARKOD", "Barkod", ColumnVisibility::Shown, 2));
    t.push_back(column("ADI", "Açıklama", ColumnVisibility::Shown, 3));
    t.back().display = DisplayKind::WrappedText;
    t.push_back(column("OEM1", "Oem1", ColumnVisibility::HiddenOffered, 2)); // not in the packet
    t.push_back(column("MARKA", "Marka", ColumnVisibility::Shown, 2));
    t.push_back(column("KALAN", "", ColumnVisibility::HiddenOffered));
    t.back().sort = Qt::DescendingOrder;
    t.push_back(column("FIYAT", "Liste Fiyatı", ColumnVisibility::Shown, 2));
    t.push_back(column("Y", "Yeni", ColumnVisibility::ShownNotOffered));
    t.back().display = DisplayKind::YesNoIcon;
    return t;
}

class GridFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
        dataSet = std::make_unique<ClientDataSet>();
        dataSet->setData(StockSample());
        grid = std::make_unique<DataGrid>();
        grid->setColumns(StockColumns());
        grid->setDataSet(dataSet.get());
        grid->resize(800, 400);
        grid->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    }

    void TearDown() override
    {
        grid.reset();
        SetCurrentLocale(QLocale::system());
    }

    int col(const char* name) const { return grid->columnIndex(QString::fromUtf8(name)); }

    // The dataset's STOKNO of each row the grid shows, top to bottom.
    QList<int> shownStockNumbers() const
    {
        QList<int> numbers;
        for (int r = 0; r < grid->rowCount(); ++r)
            numbers.append(dataSet->value(grid->dataSetRow(r), 0).toInt());
        return numbers;
    }

    // The grid's open pop-up menu of that name.
    QMenu* openMenu(const char* objectName) const
    {
        for (QMenu* menu : grid->findChildren<QMenu*>(QString::fromLatin1(objectName)))
            if (menu->isVisible())
                return menu;
        return nullptr;
    }

    static QStringList actionTexts(const QMenu* menu)
    {
        QStringList texts;
        for (const QAction* a : menu->actions())
            texts.append(a->text());
        return texts;
    }

    static QAction* actionNamed(const QMenu* menu, const QString& text)
    {
        for (QAction* a : menu->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }

    std::unique_ptr<ClientDataSet> dataSet;
    std::unique_ptr<DataGrid> grid;
};
