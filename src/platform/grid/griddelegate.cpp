#include "platform/grid/griddelegate.h"

#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridcolumnsmodel.h"
#include "platform/grid/gridgrouping.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kIconSize = 16;

QRectF CentredSquare(const QRect& cell, int size)
{
    const int s = std::min({size, cell.width() - 2, cell.height() - 2});
    return QRectF(cell.center().x() - s / 2.0 + 0.5, cell.center().y() - s / 2.0 + 0.5, s, s);
}

bool IsNonZero(const QVariant& value)
{
    return value.isValid() && value.toDouble() != 0.0;
}

} // namespace

void PaintYesNoMark(QPainter& painter, const QRectF& r, bool yes)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = yes ? QColor(32, 150, 60) : QColor(200, 40, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
    QPen pen(Qt::white, std::max(1.5, r.width() / 8.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal w = r.width();
    if (yes) {
        QPainterPath tick;
        tick.moveTo(r.left() + w * 0.27, r.top() + w * 0.52);
        tick.lineTo(r.left() + w * 0.44, r.top() + w * 0.69);
        tick.lineTo(r.left() + w * 0.74, r.top() + w * 0.33);
        painter.drawPath(tick);
    } else {
        const QRectF x = r.adjusted(w * 0.32, w * 0.32, -w * 0.32, -w * 0.32);
        painter.drawLine(x.topLeft(), x.bottomRight());
        painter.drawLine(x.topRight(), x.bottomLeft());
    }
    painter.restore();
}

void PaintPictureMark(QPainter& painter, const QRectF& r)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width();
    const QRectF frame = r.adjusted(w * 0.05, w * 0.15, -w * 0.05, -w * 0.15);
    painter.setPen(QPen(QColor(60, 90, 140), std::max(1.0, w / 14.0)));
    painter.setBrush(QColor(220, 235, 250));
    painter.drawRoundedRect(frame, w * 0.08, w * 0.08);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 180, 40));
    painter.drawEllipse(QPointF(frame.left() + frame.width() * 0.72, frame.top() + frame.height() * 0.3), w * 0.09, w * 0.09);
    QPainterPath hills;
    hills.moveTo(frame.left() + 1, frame.bottom() - 1);
    hills.lineTo(frame.left() + frame.width() * 0.35, frame.top() + frame.height() * 0.45);
    hills.lineTo(frame.left() + frame.width() * 0.6, frame.top() + frame.height() * 0.72);
    hills.lineTo(frame.left() + frame.width() * 0.75, frame.top() + frame.height() * 0.58);
    hills.lineTo(frame.right() - 1, frame.bottom() - 1);
    hills.closeSubpath();
    painter.setBrush(QColor(70, 140, 80));
    painter.drawPath(hills);
    painter.restore();
}

GridDelegate::GridDelegate(const GridColumnsModel* columns, std::function<int(int)> dataSetRow, QObject* parent)
    : QStyledItemDelegate(parent), columns_(columns), dataSetRow_(std::move(dataSetRow))
{
}

const ColumnSpec* GridDelegate::specOf(const QModelIndex& index) const
{
    const int c = index.column();
    return c >= 0 && c < int(columns_->columns().size()) ? &columns_->columns()[size_t(c)] : nullptr;
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!focusRectangle_)
        option->state &= ~QStyle::State_HasFocus;
    option->font = style_.font();
    option->backgroundBrush = style_.rowBackground(index.row(), option->state & QStyle::State_Selected);
    const ColumnSpec* spec = specOf(index);
    if (!spec)
        return;
    switch (spec->display) {
    case DisplayKind::CentredText:
        option->displayAlignment = Qt::AlignCenter;
        break;
    case DisplayKind::WrappedText:
        option->features |= QStyleOptionViewItem::WrapText;
        option->displayAlignment = (option->displayAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
        break;
    case DisplayKind::Text:
        option->features &= ~QStyleOptionViewItem::WrapText;
        option->textElideMode = Qt::ElideRight;
        break;
    default:
        option->text.clear(); // marks and check boxes show no text
        break;
    }
}

void GridDelegate::paintBackground(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, style_.rowBackground(index.row(), selected));
}

void GridDelegate::paintGroupRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                                 bool title) const
{
    painter->fillRect(option.rect, title ? style_.evenRow.darker(110) : style_.footerBackground);
    QFont font = style_.font();
    font.setBold(true);
    painter->save();
    painter->setFont(font);
    painter->setPen(title ? style_.text : style_.footerText);
    const Qt::Alignment align = title ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter;
    painter->drawText(option.rect.adjusted(4, 0, -4, 0), int(align), index.data(Qt::DisplayRole).toString());
    painter->restore();
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int kind = index.data(GridGrouping::RowKindRole).toInt();
    if (kind != GridGrouping::DataRow) {
        paintGroupRow(painter, option, index, kind == GridGrouping::GroupTitleRow);
        return;
    }
    const ColumnSpec* spec = specOf(index);
    if (!spec) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QVariant value = index.data(Qt::UserRole);
    const bool selected = option.state & QStyle::State_Selected;
    switch (spec->display) {
    case DisplayKind::Text:
    case DisplayKind::CentredText:
    case DisplayKind::WrappedText: {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        paintBackground(painter, option, index);
        opt.backgroundBrush = Qt::NoBrush;
        if (selected) {
            // The row colour is painted above; the style must not paint its own highlight.
            opt.state &= ~QStyle::State_Selected;
            opt.palette.setColor(QPalette::Text, style_.selectedText);
        } else {
            opt.palette.setColor(QPalette::Text, style_.text);
        }
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        return;
    }
    case DisplayKind::Icon:
        paintBackground(painter, option, index);
        if (spec->icon) {
            const QIcon icon = spec->icon(value);
            if (!icon.isNull())
                icon.paint(painter, CentredSquare(option.rect, kIconSize).toAlignedRect());
        }
        return;
    case DisplayKind::YesNoIcon:
        paintBackground(painter, option, index);
        PaintYesNoMark(*painter, CentredSquare(option.rect, kIconSize), IsNonZero(value));
        return;
    case DisplayKind::PictureIcon:
        paintBackground(painter, option, index);
        if (value.isValid() && value.toInt() == 1)
            PaintPictureMark(*painter, CentredSquare(option.rect, kIconSize));
        return;
    case DisplayKind::CheckBox: {
        paintBackground(painter, option, index);
        QStyleOptionViewItem opt = option;
        opt.rect = CentredSquare(option.rect, kIconSize).toAlignedRect();
        opt.state = QStyle::State_Enabled | (IsNonZero(value) ? QStyle::State_On : QStyle::State_Off);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &opt, painter, widget);
        return;
    }
    case DisplayKind::CustomDrawn: {
        if (!spec->paint) {
            paintBackground(painter, option, index);
            return;
        }
        GridCell cell;
        cell.dataSet = columns_->dataSet();
        cell.row = dataSetRow_(index.row());
        cell.viewRow = index.row();
        cell.rect = option.rect;
        cell.selected = selected;
        cell.style = &style_;
        if (!cell.dataSet || cell.row < 0 || cell.row >= cell.dataSet->recordCount()) {
            paintBackground(painter, option, index);
            return;
        }
        painter->save();
        painter->setFont(style_.font());
        spec->paint(*painter, cell);
        painter->restore();
        return;
    }
    }
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const ColumnSpec* spec = specOf(index);
    if (spec && spec->display != DisplayKind::Text && spec->display != DisplayKind::CentredText &&
        spec->display != DisplayKind::WrappedText)
        return QSize(kIconSize + 8, kIconSize + 4);
    return QStyledItemDelegate::sizeHint(option, index);
}
