#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/format/formatfloat.h"
#include "support/sampletables.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

DataTable basketTable()
{
    return makeTable({{"SIRANO", FieldType::Int32}, {"ADI", FieldType::WideString}, {"FIYAT", FieldType::Double}},
                     {{1, QStringLiteral("Yağ filtresi"), 12.5}, {2, QStringLiteral("Buji"), QVariant()}});
}

struct ModelSpies {
    explicit ModelSpies(DataSetModel* m)
        : reset(m, &QAbstractItemModel::modelReset), changed(m, &QAbstractItemModel::dataChanged),
          inserted(m, &QAbstractItemModel::rowsInserted)
    {
    }
    int total() const { return int(reset.count() + changed.count() + inserted.count()); }
    QSignalSpy reset, changed, inserted;
};

TEST(DataSetModel, ShowsDisplayTextRawValuesAndHeaders)
{
    SetCurrentLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    ClientDataSet ds;
    ds.setData(basketTable());
    ds.fieldByName("FIYAT").setDisplayFormat(kMoneyFormat);
    DataSetModel model(&ds);
    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("ADI"));
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("12,50"));
    EXPECT_DOUBLE_EQ(model.data(model.index(0, 2), Qt::EditRole).toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(model.data(model.index(0, 2), Qt::UserRole).toDouble(), 12.5);
    EXPECT_EQ(model.data(model.index(1, 2)).toString(), QString());
    EXPECT_FALSE(model.data(model.index(1, 2), Qt::EditRole).isValid());
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
}

TEST(DataSetModel, FollowsPostsAndReloads)
{
    ClientDataSet ds;
    ds.setData(basketTable());
    DataSetModel model(&ds);
    ModelSpies spies(&model);

    ds.first();
    ds.edit();
    ds.fieldByName("ADI").setValue(QStringLiteral("Hava filtresi"));
    ds.post();
    ASSERT_EQ(spies.changed.count(), 1);
    EXPECT_EQ(spies.changed.at(0).at(0).toModelIndex(), model.index(0, 1));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("Hava filtresi"));

    ds.setData(makeTable({{"X", FieldType::Int32}}, {{1}, {2}, {3}}));
    EXPECT_EQ(spies.reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 1);

    ds.close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
}

TEST(DataSetModel, DisabledControlsGiveOneResetAtTheEnd)
{
    ClientDataSet ds;
    ds.setData(basketTable());
    DataSetModel model(&ds);
    ModelSpies spies(&model);

    ds.disableControls();
    ds.disableControls(); // nested: only the outermost enable notifies
    ds.setData(makeTable({{"SIRANO", FieldType::Int32}, {"SEC", FieldType::Int32}}, {{5, 0}, {6, 1}, {7, 0}}));
    ds.fieldByName("SIRANO").setDisplayFormat(QStringLiteral("0"));
    ds.first();
    ds.edit();
    ds.fieldByName("SEC").setValue(1);
    ds.post();
    ds.next();
    ds.emptyDataSet();
    ds.setData(makeTable({{"SIRANO", FieldType::Int32}}, {{9}}));
    ds.enableControls();
    EXPECT_EQ(spies.total(), 0);
    ds.enableControls();
    EXPECT_EQ(spies.reset.count(), 1);
    EXPECT_EQ(spies.total(), 1);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("9"));
}

TEST(DataSetModel, DetachingAndDestroyingTheDataSet)
{
    auto* ds = new ClientDataSet;
    ds->setData(basketTable());
    DataSetModel model(ds);
    model.setDataSet(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
    model.setDataSet(ds);
    EXPECT_EQ(model.rowCount(), 2);
    delete ds;
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.data(model.index(0, 0)), QVariant());
}

} // namespace
