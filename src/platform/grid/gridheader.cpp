#include "platform/grid/gridheader.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kButtonWidth = 12;

} // namespace

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
}

void GridHeader::setFilterButtons(bool shown)
{
    filterButtons_ = shown;
    viewport()->update();
}

void GridHeader::setFilteredColumns(QList<int> columns)
{
    filtered_ = std::move(columns);
    viewport()->update();
}

QRect GridHeader::buttonInSection(const QRect& section) const
{
    if (section.width() < kButtonWidth * 2)
        return {};
    return QRect(section.right() - kButtonWidth - 1, section.center().y() - kButtonWidth / 2, kButtonWidth,
                 kButtonWidth);
}

QRect GridHeader::filterButtonRect(int logicalIndex) const
{
    if (!filterButtons_ || isSectionHidden(logicalIndex))
        return {};
    const QRect section(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex), height());
    return buttonInSection(section);
}

int GridHeader::buttonAt(const QPoint& pos) const
{
    const int logical = logicalIndexAt(pos);
    return logical >= 0 && filterButtonRect(logical).contains(pos) ? logical : -1;
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    QHeaderView::paintSection(painter, rect, logicalIndex);
    if (!filterButtons_)
        return;
    const QRect button = buttonInSection(rect);
    if (button.isEmpty())
        return;
    painter->save();
    // A styled section may leave its padded content rectangle as the clip.
    painter->setClipRect(rect);
    painter->setRenderHint(QPainter::Antialiasing);
    const bool active = filtered_.contains(logicalIndex);
    painter->setPen(QPen(QColor(255, 255, 255, 200), 1));
    painter->setBrush(active ? QColor(255, 255, 255, 230) : QColor(255, 255, 255, 60));
    painter->drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    const QPointF c = QRectF(button).center();
    QPolygonF arrow{{c.x() - 3.5, c.y() - 1.5}, {c.x() + 3.5, c.y() - 1.5}, {c.x(), c.y() + 2.5}};
    painter->setPen(Qt::NoPen);
    painter->setBrush(active ? QColor(200, 30, 30) : QColor(Qt::white));
    painter->drawPolygon(arrow);
    painter->restore();
}

void GridHeader::mousePressEvent(QMouseEvent* event)
{
    pressedButton_ = event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint()) : -1;
    if (pressedButton_ >= 0) {
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void GridHeader::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressedButton_ >= 0) {
        const int pressed = pressedButton_;
        pressedButton_ = -1;
        if (buttonAt(event->position().toPoint()) == pressed)
            emit filterButtonClicked(pressed);
        event->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}
