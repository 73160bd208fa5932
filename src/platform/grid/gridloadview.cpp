#include "platform/grid/gridloadview.h"

#include "platform/grid/datagrid.h"

DataGridLoadView::DataGridLoadView(DataGrid* grid) : grid_(grid) {}

void DataGridLoadView::detach()
{
    if (grid_)
        grid_->detach();
}

void DataGridLoadView::reattach()
{
    if (grid_)
        grid_->reattach();
}
