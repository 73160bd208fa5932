#pragma once

#include "platform/dataset/datatable.h"

// A stock search result as the server sends it: 35 columns (codes and names with
// Turkish letters, prices and discounts, state flags, a timestamp), some nulls.
DataTable makeStockTable(int rows);
