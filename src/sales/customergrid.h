#pragma once

class DataGrid;
class QWidget;

// The customer grid of the selection window: read-only, headers are the field
// names, 40-pixel headers, incremental search, the row count under CARIKOD and
// the columns of the customer packet shown or hidden but offered.
DataGrid* CreateCustomerGrid(QWidget* parent);
