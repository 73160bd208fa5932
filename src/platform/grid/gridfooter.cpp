#include "platform/grid/gridfooter.h"

#include "platform/format/formatfloat.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

QString SummaryText(const FooterSummary& summary, const QAbstractItemModel& rows, int column,
                    const std::vector<int>* only)
{
    const int count = only ? int(only->size()) : rows.rowCount();
    if (summary.kind == FooterSummary::Kind::Count)
        return QString::number(count);
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        const QVariant v = rows.index(only ? (*only)[size_t(i)] : i, column).data(Qt::UserRole);
        if (v.isValid())
            sum += v.toDouble();
    }
    return FormatFloat(summary.format, sum);
}

GridFooter::GridFooter(QTableView* view, const QAbstractItemModel* rows, QWidget* parent)
    : QWidget(parent), view_(view), rows_(rows)
{
    setObjectName(QStringLiteral("gridFooter"));
    QHeaderView* header = view->horizontalHeader();
    auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

void GridFooter::setSummaries(std::vector<std::pair<int, FooterSummary>> summaries)
{
    summaries_ = std::move(summaries);
    recompute();
}

void GridFooter::setGridStyle(const GridStyle& style)
{
    style_ = style;
    update();
}

void GridFooter::recompute()
{
    texts_.assign(summaries_.size(), QString());
    if (rows_)
        for (size_t i = 0; i < summaries_.size(); ++i)
            texts_[i] = SummaryText(summaries_[i].second, *rows_, summaries_[i].first);
    update();
}

QString GridFooter::text(int column) const
{
    if (!view_ || view_->isColumnHidden(column))
        return {};
    for (size_t i = 0; i < summaries_.size(); ++i)
        if (summaries_[i].first == column)
            return i < texts_.size() ? texts_[i] : QString();
    return {};
}

QSize GridFooter::sizeHint() const
{
    return QSize(100, QFontMetrics(style_.font()).height() + 10);
}

void GridFooter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), style_.footerBackground);
    painter.setPen(style_.gridLines.darker(115));
    painter.drawLine(rect().topLeft(), rect().topRight());
    if (!view_)
        return;
    QFont font = style_.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(style_.footerText);
    const QHeaderView* header = view_->horizontalHeader();
    // The viewport's left edge, in footer coordinates.
    const int origin = view_->viewport()->mapTo(parentWidget(), QPoint(0, 0)).x() - x();
    for (size_t i = 0; i < summaries_.size() && i < texts_.size(); ++i) {
        const int column = summaries_[i].first;
        if (view_->isColumnHidden(column))
            continue;
        const QRect cell(origin + header->sectionViewportPosition(column), 0, header->sectionSize(column), height());
        const QRect visible = cell.intersected(QRect(origin, 0, view_->viewport()->width(), height()));
        if (visible.isEmpty())
            continue;
        painter.save();
        painter.setClipRect(visible);
        painter.drawText(cell.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, texts_[i]);
        painter.restore();
    }
}
