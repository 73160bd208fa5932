#pragma once

#include <QTableView>

class DataSetModel;

// The customer grid of the selection window: read-only, headers are the field
// names, 40-pixel headers, incremental search, some columns hidden and offered
// through the header's context menu. The one place the window's grid is made,
// so that it can move to the shared grid view without touching the window.
class CustomerGrid : public QTableView {
    Q_OBJECT
public:
    explicit CustomerGrid(DataSetModel* model, QWidget* parent = nullptr);

    // The columns the user may switch on; hidden at first.
    static bool isOfferedHidden(const QString& fieldName);

    // Applies the column visibility to a fresh packet and fits the shown
    // columns to their content.
    void applyColumns();

private:
    void showColumnMenu(const QPoint& pos);
};
