#include "platform/grid/datagrid.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/grid/gridcolumnsmodel.h"
#include "platform/grid/griddelegate.h"
#include "platform/grid/gridfilter.h"
#include "platform/grid/gridgrouping.h"
#include "platform/grid/gridheader.h"
#include "platform/grid/gridlayout.h"

#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kAllValues = QStringLiteral("(Tümü)");
const QString kBlankValue = QStringLiteral("(Boş)");

bool IsTextKind(DisplayKind kind)
{
    return kind == DisplayKind::Text || kind == DisplayKind::CentredText || kind == DisplayKind::WrappedText;
}

// Typing into the grid searches a text column: when the focused cell is an icon
// or a picture, the search runs in the first shown text column instead.
class GridTableView : public QTableView {
public:
    GridTableView(const DataGrid* grid, QWidget* parent) : QTableView(parent), grid_(grid) {}

    void keyboardSearch(const QString& search) override
    {
        if (!model() || model()->rowCount() == 0)
            return;
        const QModelIndex current = currentIndex();
        const ColumnTable& columns = grid_->columns();
        if (!current.isValid() || !IsTextKind(columns[size_t(current.column())].display)) {
            for (int c : grid_->shownColumns()) {
                if (IsTextKind(columns[size_t(c)].display)) {
                    const int row = current.isValid() ? current.row() : 0;
                    selectionModel()->setCurrentIndex(model()->index(row, c), QItemSelectionModel::NoUpdate);
                    break;
                }
            }
        }
        QTableView::keyboardSearch(search);
    }

private:
    const DataGrid* grid_;
};

} // namespace

DataGrid::DataGrid(QWidget* parent)
    : QWidget(parent),
      source_(new DataSetModel(nullptr, this)),
      columnsModel_(new GridColumnsModel(this)),
      rows_(new GridFilter(this)),
      grouping_(new GridGrouping(this))
{
    columnsModel_->setSourceModel(source_);
    rows_->setSourceModel(columnsModel_);
    grouping_->setSourceModel(rows_);
    rows_->setRowComparator([this](int a, int b, int column) { return columnsModel_->compareRows(a, b, column); });

    view_ = new GridTableView(this, this);
    view_->setObjectName(QStringLiteral("gridView"));
    header_ = new GridHeader(view_);
    header_->setObjectName(QStringLiteral("gridHeader"));
    view_->setHorizontalHeader(header_);
    view_->setModel(grouping_);
    delegate_ = new GridDelegate(columnsModel_, [this](int viewRow) { return dataSetRow(viewRow); }, view_);
    view_->setItemDelegate(delegate_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setAlternatingRowColors(true);
    view_->setWordWrap(true);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setMinimumSectionSize(1);
    header_->setMinimumSectionSize(0);
    header_->setDefaultAlignment(Qt::AlignCenter);
    view_->installEventFilter(this);

    footer_ = new GridFooter(view_, rows_, this);

    customizeButton_ = new QToolButton(view_);
    customizeButton_->setObjectName(QStringLiteral("columnCustomizeButton"));
    customizeButton_->setToolTip(QStringLiteral("Sütunlar"));
    customizeButton_->setArrowType(Qt::DownArrow);
    customizeButton_->setAutoRaise(true);
    customizeButton_->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    layout->addWidget(footer_);

    // A model reset rebuilds the header's sections: put the columns' state back.
    connect(grouping_, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnState();
        refreshFooter();
    });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(rows_, signal, this, &DataGrid::refreshFooter);
    connect(rows_, &QAbstractItemModel::layoutChanged, this, &DataGrid::refreshFooter);
    connect(rows_, &QAbstractItemModel::dataChanged, this, &DataGrid::refreshFooter);
    connect(header_, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!applying_ && column < int(widths_.size()) && size > 0)
            widths_[size_t(column)] = size;
    });
    connect(header_, &GridHeader::filterButtonClicked, this, &DataGrid::showFilterMenu);
    header_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header_, &QWidget::customContextMenuRequested, this, [this] {
        if (options_.columnCustomization)
            showCustomizeMenu();
    });
    connect(customizeButton_, &QToolButton::clicked, this, &DataGrid::showCustomizeMenu);
    connect(view_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const int row = dataSetRow(index.row());
        if (row >= 0)
            emit rowDoubleClicked(row);
    });
    connect(view_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (grouping_->rowKind(index.row()) == GridGrouping::GroupTitleRow)
            grouping_->toggleGroup(index.row());
    });
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &DataGrid::onCurrentChanged);

    applyGridStyle(GridStyle::standard());
    applyOptions();
}

DataGrid::~DataGrid() = default;

void DataGrid::setColumns(ColumnTable columns)
{
    shown_.clear();
    offered_.clear();
    for (const ColumnSpec& c : columns) {
        shown_.push_back(c.isShown());
        offered_.push_back(c.isOffered());
    }
    widths_.assign(columns.size(), 0);
    std::optional<std::pair<int, Qt::SortOrder>> sort;
    for (size_t i = 0; i < columns.size() && !sort; ++i)
        if (columns[i].sort)
            sort = std::make_pair(int(i), *columns[i].sort);
    rows_->clearFilters();
    columnsModel_->setColumns(std::move(columns));
    if (sort)
        header_->setSortIndicator(sort->first, sort->second);
    else
        header_->setSortIndicator(-1, Qt::AscendingOrder);
    rows_->sort(sort ? sort->first : -1, sort ? sort->second : Qt::AscendingOrder);
    applyColumnState();
    setFooterSummaries(summaries_);
}

const ColumnTable& DataGrid::columns() const
{
    return columnsModel_->columns();
}

void DataGrid::setOptions(const GridOptions& options)
{
    options_ = options;
    applyOptions();
}

void DataGrid::applyOptions()
{
    view_->setSelectionBehavior(options_.wholeRowSelection ? QAbstractItemView::SelectRows
                                                           : QAbstractItemView::SelectItems);
    delegate_->setFocusRectangle(options_.focusRectangle);
    // Sorting by header keeps the sort column the table asked for.
    const int sortColumn = rows_->sortColumn();
    const Qt::SortOrder sortOrder = rows_->sortOrder();
    header_->setSortIndicator(sortColumn, sortOrder);
    view_->setSortingEnabled(options_.sorting);
    header_->setSortIndicatorShown(options_.sorting);
    rows_->sort(sortColumn, sortOrder);
    header_->setFilterButtons(options_.headerFilters);
    header_->setVisible(options_.showHeader);
    header_->setFixedHeight(options_.headerHeight);
    view_->verticalHeader()->setDefaultSectionSize(options_.rowHeight);
    view_->verticalHeader()->setVisible(options_.indicatorWidth > 0);
    view_->verticalHeader()->setFixedWidth(options_.indicatorWidth);
    customizeButton_->setVisible(options_.columnCustomization && options_.showHeader);
    footer_->setVisible(options_.showFooter || !summaries_.empty());
    placeCustomizeButton();
    view_->viewport()->update();
}

void DataGrid::applyGridStyle(const GridStyle& style)
{
    style_ = style;
    view_->setStyleSheet(GridStyleSheet(style));
    view_->setFont(style.font());
    delegate_->setGridStyle(style);
    footer_->setGridStyle(style);
    customizeButton_->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: none; }")
                                        .arg(style.headerBackground.name()));
    view_->viewport()->update();
}

void DataGrid::setDataSet(ClientDataSet* dataSet)
{
    if (detached_) {
        detachedFrom_ = dataSet;
        return;
    }
    source_->setDataSet(dataSet);
}

ClientDataSet* DataGrid::dataSet() const
{
    return detached_ ? detachedFrom_.data() : source_->dataSet();
}

int DataGrid::columnIndex(const QString& name) const
{
    const ColumnTable& cols = columns();
    for (size_t i = 0; i < cols.size(); ++i)
        if (!cols[i].field.isEmpty() && cols[i].field.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    for (size_t i = 0; i < cols.size(); ++i)
        if (cols[i].field.isEmpty() && cols[i].caption == name)
            return int(i);
    return -1;
}

bool DataGrid::isColumnShown(int column) const
{
    return column >= 0 && column < int(shown_.size()) && shown_[size_t(column)];
}

bool DataGrid::isColumnOffered(int column) const
{
    return column >= 0 && column < int(offered_.size()) && offered_[size_t(column)];
}

void DataGrid::setColumnShown(int column, bool shown)
{
    if (column < 0 || column >= int(shown_.size()) || shown_[size_t(column)] == shown)
        return;
    shown_[size_t(column)] = shown;
    applyColumnState();
    footer_->update();
}

void DataGrid::setColumnOffered(int column, bool offered)
{
    if (column >= 0 && column < int(offered_.size()))
        offered_[size_t(column)] = offered;
}

void DataGrid::setColumnVisibility(int column, ColumnVisibility visibility)
{
    ColumnSpec probe;
    probe.visibility = visibility;
    setColumnOffered(column, probe.isOffered());
    setColumnShown(column, probe.isShown());
}

QList<int> DataGrid::shownColumns() const
{
    QList<int> result;
    for (int visual = 0; visual < header_->count(); ++visual) {
        const int logical = header_->logicalIndex(visual);
        if (isColumnShown(logical))
            result.append(logical);
    }
    return result;
}

QList<int> DataGrid::offeredColumns() const
{
    QList<int> result;
    for (int c = 0; c < int(offered_.size()); ++c)
        if (offered_[size_t(c)])
            result.append(c);
    return result;
}

void DataGrid::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= int(widths_.size()))
        return;
    widths_[size_t(column)] = width;
    applying_ = true;
    view_->setColumnWidth(column, width);
    applying_ = false;
}

int DataGrid::columnWidth(int column) const
{
    return view_->columnWidth(column);
}

void DataGrid::applyColumnState()
{
    applying_ = true;
    for (int c = 0; c < int(shown_.size()) && c < header_->count(); ++c) {
        view_->setColumnHidden(c, !shown_[size_t(c)]);
        if (shown_[size_t(c)] && widths_[size_t(c)] > 0)
            view_->setColumnWidth(c, widths_[size_t(c)]);
    }
    header_->setFilteredColumns(filteredColumns());
    applying_ = false;
    updateGroupSpans();
}

void DataGrid::updateGroupSpans()
{
    view_->clearSpans();
    if (grouping_->groupColumn() < 0)
        return;
    const QList<int> shown = shownColumns();
    if (shown.isEmpty())
        return;
    const int first = *std::min_element(shown.begin(), shown.end());
    for (int r = 0; r < grouping_->rowCount(); ++r)
        if (grouping_->rowKind(r) == GridGrouping::GroupTitleRow)
            view_->setSpan(r, first, 1, grouping_->columnCount() - first);
}

void DataGrid::setGroupColumn(int column)
{
    grouping_->setGroupColumn(column);
    setGroupSummaries(groupSummaries_);
}

int DataGrid::groupColumn() const
{
    return grouping_->groupColumn();
}

void DataGrid::setGroupSummaries(std::vector<FooterSummary> summaries)
{
    groupSummaries_ = std::move(summaries);
    std::vector<std::pair<int, FooterSummary>> placed;
    for (const FooterSummary& s : groupSummaries_) {
        const int column = columnIndex(s.column);
        if (column >= 0)
            placed.emplace_back(column, s);
    }
    grouping_->setGroupSummaries(std::move(placed));
}

const GridGrouping* DataGrid::groupingModel() const
{
    return grouping_;
}

void DataGrid::setFooterSummaries(std::vector<FooterSummary> summaries)
{
    summaries_ = std::move(summaries);
    std::vector<std::pair<int, FooterSummary>> placed;
    for (const FooterSummary& s : summaries_) {
        const int column = columnIndex(s.column);
        if (column >= 0)
            placed.emplace_back(column, s);
    }
    footer_->setSummaries(std::move(placed));
    footer_->setVisible(options_.showFooter || !summaries_.empty());
}

QString DataGrid::footerText(int column) const
{
    return footer_->text(column);
}

void DataGrid::setRowHeight(int height)
{
    options_.rowHeight = height;
    view_->verticalHeader()->setDefaultSectionSize(height);
}

int DataGrid::rowHeight() const
{
    return view_->verticalHeader()->defaultSectionSize();
}

void DataGrid::fitColumnsByWeight(int margin)
{
    const QList<int> shown = shownColumns();
    std::vector<int> weights;
    for (int c : shown)
        weights.push_back(columns()[size_t(c)].weight);
    const std::vector<int> widths = WeightedWidths(weights, width(), margin);
    if (widths.empty())
        return;
    beginUpdate();
    for (int i = 0; i < shown.size(); ++i)
        setColumnWidth(shown[i], widths[size_t(i)]);
    endUpdate();
}

void DataGrid::bestFit()
{
    beginUpdate();
    for (int c : shownColumns()) {
        view_->resizeColumnToContents(c);
        widths_[size_t(c)] = view_->columnWidth(c);
    }
    endUpdate();
}

QStringList DataGrid::filterValues(int column) const
{
    return rows_->distinctValues(column);
}

void DataGrid::setColumnFilter(int column, const QString& value)
{
    if (column < 0 || column >= int(columns().size()))
        return;
    rows_->setColumnFilter(column, value);
    header_->setFilteredColumns(filteredColumns());
    refreshFooter();
}

void DataGrid::clearFilter()
{
    rows_->clearFilters();
    header_->setFilteredColumns({});
    refreshFooter();
}

QList<int> DataGrid::filteredColumns() const
{
    return rows_->filters().keys();
}

int DataGrid::rowCount() const
{
    return grouping_->rowCount();
}

int DataGrid::dataSetRow(int viewRow) const
{
    const QModelIndex shown = grouping_->mapToSource(grouping_->index(viewRow, 0));
    return shown.isValid() ? rows_->mapToSource(shown).row() : -1;
}

int DataGrid::focusedRow() const
{
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? dataSetRow(current.row()) : -1;
}

int DataGrid::focusedColumn() const
{
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.column() : -1;
}

void DataGrid::focusRow(int row)
{
    if (row < 0 || row >= columnsModel_->rowCount())
        return;
    const QList<int> shown = shownColumns();
    const int column = view_->currentIndex().isValid() ? view_->currentIndex().column() : (shown.isEmpty() ? 0 : shown.first());
    const QModelIndex index = grouping_->mapFromSource(rows_->mapFromSource(columnsModel_->index(row, column)));
    if (index.isValid())
        view_->setCurrentIndex(index);
}

void DataGrid::onCurrentChanged()
{
    const int row = focusedRow();
    // The dataset follows the focused row, as a data-aware grid's does.
    ClientDataSet* ds = source_->dataSet();
    if (row >= 0 && ds && ds->state() == ClientDataSet::State::Browse && ds->currentRow() != row)
        ds->moveTo(row);
    emit focusedRowChanged(row);
}

void DataGrid::beginUpdate()
{
    if (updateDepth_++ == 0)
        view_->setUpdatesEnabled(false);
}

void DataGrid::endUpdate()
{
    if (updateDepth_ == 0 || --updateDepth_ > 0)
        return;
    if (!detached_)
        view_->setUpdatesEnabled(true);
    refreshFooter();
}

void DataGrid::detach()
{
    if (detached_)
        return;
    detachedFrom_ = source_->dataSet();
    detached_ = true;
    view_->setUpdatesEnabled(false);
    footer_->setUpdatesEnabled(false);
    source_->setDataSet(nullptr);
}

void DataGrid::reattach()
{
    if (!detached_)
        return;
    detached_ = false;
    source_->setDataSet(detachedFrom_);
    detachedFrom_ = nullptr;
    footer_->setUpdatesEnabled(true);
    if (updateDepth_ == 0)
        view_->setUpdatesEnabled(true);
    refreshFooter();
}

void DataGrid::refreshFooter()
{
    if (updateDepth_ == 0 && !detached_ && footer_->isVisibleTo(this))
        footer_->recompute();
}

void DataGrid::placeCustomizeButton()
{
    const int frame = view_->frameWidth();
    const int w = std::max(options_.indicatorWidth, 14);
    customizeButton_->setGeometry(frame, frame, w, std::max(options_.headerHeight, 1));
    customizeButton_->raise();
}

void DataGrid::showCustomizeMenu()
{
    delete menu_;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("columnCustomizeMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int c : offeredColumns()) {
        QAction* action = menu->addAction(columns()[size_t(c)].shownCaption());
        action->setCheckable(true);
        action->setChecked(isColumnShown(c));
        connect(action, &QAction::toggled, this, [this, c](bool on) { setColumnShown(c, on); });
    }
    menu_ = menu;
    menu->popup(customizeButton_->mapToGlobal(QPoint(0, customizeButton_->height())));
}

void DataGrid::showFilterMenu(int column)
{
    delete menu_;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("columnFilterMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(kAllValues), &QAction::triggered, this, [this, column] {
        rows_->clearColumnFilter(column);
        header_->setFilteredColumns(filteredColumns());
        refreshFooter();
    });
    for (const QString& value : filterValues(column)) {
        QAction* action = menu->addAction(value.isEmpty() ? kBlankValue : value);
        connect(action, &QAction::triggered, this, [this, column, value] { setColumnFilter(column, value); });
    }
    menu_ = menu;
    const QRect button = header_->filterButtonRect(column);
    menu->popup(header_->mapToGlobal(button.isEmpty() ? QPoint(0, header_->height()) : button.bottomLeft()));
}

void DataGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeCustomizeButton();
}

bool DataGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::Resize)
        placeCustomizeButton();
    return QWidget::eventFilter(watched, event);
}
