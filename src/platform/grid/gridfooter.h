#pragma once

#include "platform/grid/gridstyle.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

class QAbstractItemModel;
class QTableView;

// One summary of a footer: under the column named (field name, or caption for a
// column without a field), the number of rows or the sum of the column's values.
struct FooterSummary {
    enum class Kind { Count, Sum };
    QString column;
    Kind kind = Kind::Count;
    QString format = QStringLiteral("#,###,##0.00"); // sums go through FormatFloat with it
};

// The summary's text over the rows of one column (all rows of the model, or those
// listed): the row count as a plain number, or the sum of the raw values (nulls
// left out) formatted by the pattern.
QString SummaryText(const FooterSummary& summary, const QAbstractItemModel& rows, int column,
                    const std::vector<int>* only = nullptr);

// The footer row under a table view: each summary drawn under its column, kept
// aligned with the header sections as they are resized, hidden or scrolled.
// A summary under a hidden column is not shown.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    // The summaries are taken over the rows model; the view gives the columns' places.
    GridFooter(QTableView* view, const QAbstractItemModel* rows, QWidget* parent = nullptr);

    // Column index of the view for each summary.
    void setSummaries(std::vector<std::pair<int, FooterSummary>> summaries);
    void setGridStyle(const GridStyle& style);
    void recompute();

    // What the footer shows under a column; empty when it shows nothing there.
    QString text(int column) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QTableView> view_;
    const QAbstractItemModel* rows_;
    std::vector<std::pair<int, FooterSummary>> summaries_;
    std::vector<QString> texts_;
    GridStyle style_;
};
