#pragma once

#include "platform/grid/columnspec.h"
#include "platform/grid/gridfooter.h"
#include "platform/grid/gridstyle.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class ClientDataSet;
class DataSetModel;
class GridColumnsModel;
class GridDelegate;
class GridFilter;
class GridGrouping;
class GridHeader;
class QMenu;
class QTableView;
class QToolButton;

// Behaviour switches of a grid; the defaults are those of most lists.
struct GridOptions {
    bool wholeRowSelection = true; // false: single cells take the focus
    bool focusRectangle = true;
    bool sorting = true;           // the user sorts by clicking a header
    bool headerFilters = true;     // a filter button in each header
    bool columnCustomization = true;
    bool showHeader = true;
    bool showFooter = false;       // shown anyway once footer summaries are set
    int headerHeight = 40;
    int rowHeight = 40;
    int indicatorWidth = 5;        // 0: no row indicator
};

// The grid of the program: a read-only table over a client dataset, configured by
// a column table. Rows can be narrowed by the header filters and searched by
// typing; the footer shows counts and sums; offered columns are switched on and
// off through the customisation button at the top left.
class DataGrid : public QWidget {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    void setColumns(ColumnTable columns);
    const ColumnTable& columns() const;
    void setOptions(const GridOptions& options);
    const GridOptions& options() const { return options_; }
    void applyGridStyle(const GridStyle& style);
    const GridStyle& gridStyle() const { return style_; }

    void setDataSet(ClientDataSet* dataSet);
    ClientDataSet* dataSet() const;

    // Column by field name, or by caption for a column without a field; -1 if none.
    int columnIndex(const QString& name) const;
    bool isColumnShown(int column) const;
    bool isColumnOffered(int column) const;
    void setColumnShown(int column, bool shown);
    void setColumnOffered(int column, bool offered);
    void setColumnVisibility(int column, ColumnVisibility visibility);
    // Shown columns in the order the user sees them.
    QList<int> shownColumns() const;
    // Columns the customisation lists, in table order.
    QList<int> offeredColumns() const;
    void setColumnWidth(int column, int width);
    int columnWidth(int column) const;

    void setFooterSummaries(std::vector<FooterSummary> summaries);
    QString footerText(int column) const;

    void setRowHeight(int height);
    int rowHeight() const;

    // Widths of the shown columns by weight: unit = (grid width - margin) / sum of
    // weights, truncated; nothing changes when the shown weights add up to 0.
    void fitColumnsByWeight(int margin);
    // Every shown column as wide as its content and caption need.
    void bestFit();

    // Grouping by one column (-1: none), with a footer row under each group.
    void setGroupColumn(int column);
    int groupColumn() const;
    void setGroupSummaries(std::vector<FooterSummary> summaries);

    // Header filters.
    QStringList filterValues(int column) const;
    void setColumnFilter(int column, const QString& value);
    void clearFilter();

    // Rows the grid shows now: after the filters, with the title and footer rows
    // of the groups when grouped.
    int rowCount() const;
    // Dataset row of a shown row (-1 for a group's own rows), and the focused
    // row/column (-1 when none).
    int dataSetRow(int viewRow) const;
    int focusedRow() const;
    int focusedColumn() const;
    void focusRow(int dataSetRow);

    // Freezes painting and footer updates; calls nest.
    void beginUpdate();
    void endUpdate();
    // Cuts the grid from its dataset while a load refills it, and puts it back.
    void detach();
    void reattach();
    bool isDetached() const { return detached_; }

    QTableView* view() const { return view_; }
    GridHeader* header() const { return header_; }
    GridFooter* footer() const { return footer_; }
    QToolButton* customizeButton() const { return customizeButton_; }
    const GridColumnsModel* columnsModel() const { return columnsModel_; }
    const GridFilter* rowsModel() const { return rows_; }
    const GridGrouping* groupingModel() const;

signals:
    void rowDoubleClicked(int dataSetRow);
    void focusedRowChanged(int dataSetRow);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyColumnState();
    void applyOptions();
    void updateGroupSpans();
    void placeCustomizeButton();
    void showCustomizeMenu();
    void showFilterMenu(int column);
    void refreshFooter();
    void onCurrentChanged();
    QList<int> filteredColumns() const;

    DataSetModel* source_;
    GridColumnsModel* columnsModel_;
    GridFilter* rows_;
    GridGrouping* grouping_;
    QTableView* view_;
    GridHeader* header_;
    GridDelegate* delegate_;
    GridFooter* footer_;
    QToolButton* customizeButton_;
    QPointer<QMenu> menu_;

    GridOptions options_;
    GridStyle style_;
    std::vector<bool> shown_;
    std::vector<bool> offered_;
    std::vector<int> widths_; // 0: the header's default
    std::vector<FooterSummary> summaries_;
    std::vector<FooterSummary> groupSummaries_;
    QPointer<ClientDataSet> detachedFrom_;
    bool detached_ = false;
    bool applying_ = false;
    int updateDepth_ = 0;
};
