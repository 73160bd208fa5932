#pragma once

class ClientDataSet;

// True when the dataset is open and holds at least one row.
bool DataSetHasRows(const ClientDataSet& ds);

// True when some row's field SEC equals 1. Walks from the first row and leaves the
// dataset on the row found, or at its end when none is. A dataset without a SEC
// field has no selected row.
bool AnyRowSelected(ClientDataSet& ds);

// Gives every plain floating-point field the money display format "#,###,##0.00";
// currency, BCD and integer fields keep theirs.
void SetFloatDisplayFormats(ClientDataSet& ds);
