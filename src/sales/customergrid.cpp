#include "sales/customergrid.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasetmodel.h"

#include <QHeaderView>
#include <QMenu>
#include <QSet>

namespace {

const QSet<QString>& offeredHidden()
{
    static const QSet<QString> names = {
        "CARINO", "OZELKOD", "KOD1", "KOD2", "KOD3", "KOD4", "KOD5", "TEL1", "TEL2", "ILCE", "IL",
        "GSM", "YETKILI", "INDIRIM", "VADE", "VADEKONTROLGUN", "VADEKONTROLAY", "VERGIDAIRESI", "VERGINO",
        "ADRES1", "ADRES2", "ANAGRUP", "ALTGRUP", "FAX1", "FAX2", "EMAIL"};
    return names;
}

} // namespace

CustomerGrid::CustomerGrid(DataSetModel* model, QWidget* parent) : QTableView(parent)
{
    setModel(model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    horizontalHeader()->setFixedHeight(40);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this, &CustomerGrid::showColumnMenu);
}

bool CustomerGrid::isOfferedHidden(const QString& fieldName)
{
    return offeredHidden().contains(fieldName.toUpper());
}

void CustomerGrid::applyColumns()
{
    QAbstractItemModel* m = model();
    for (int c = 0; c < m->columnCount(); ++c)
        setColumnHidden(c, isOfferedHidden(m->headerData(c, Qt::Horizontal).toString()));
    resizeColumnsToContents();
}

void CustomerGrid::showColumnMenu(const QPoint& pos)
{
    QMenu menu(this);
    QAbstractItemModel* m = model();
    for (int c = 0; c < m->columnCount(); ++c) {
        QAction* a = menu.addAction(m->headerData(c, Qt::Horizontal).toString());
        a->setCheckable(true);
        a->setChecked(!isColumnHidden(c));
        connect(a, &QAction::toggled, this, [this, c](bool on) {
            setColumnHidden(c, !on);
            if (on)
                resizeColumnToContents(c);
        });
    }
    menu.exec(horizontalHeader()->mapToGlobal(pos));
}
