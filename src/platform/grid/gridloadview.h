#pragma once

#include "server/tabload.h"

#include <QPointer>

class DataGrid;

// A grid as the view of a tab load: cut from its dataset and frozen while the
// worker refills the dataset, attached again (footer recomputed) afterwards.
class DataGridLoadView : public TabLoadView {
public:
    explicit DataGridLoadView(DataGrid* grid);

    void detach() override;
    void reattach() override;

private:
    QPointer<DataGrid> grid_;
};
