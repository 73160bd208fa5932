#include "app/headerlogo.h"

#include <QPainter>
#include <QPainterPath>

HeaderLogo::HeaderLogo(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize HeaderLogo::sizeHint() const
{
    return {230, 80};
}

void HeaderLogo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The mark: a red shield with a white V cut into it.
    const qreal side = qMin(height() - 8.0, 64.0);
    const QRectF mark(4, (height() - side) / 2.0, side, side);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 38, 45));
    p.drawRoundedRect(mark, side * 0.2, side * 0.2);
    QPainterPath v;
    auto at = [&](qreal x, qreal y) {
        return QPointF(mark.left() + mark.width() * x, mark.top() + mark.height() * y);
    };
    v.moveTo(at(0.2, 0.24));
    v.lineTo(at(0.5, 0.78));
    v.lineTo(at(0.8, 0.24));
    QPen pen(Qt::white, side * 0.13);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);

    // The name beside it.
    const qreal textLeft = mark.right() + 12;
    QFont name = font();
    name.setBold(true);
    name.setPixelSize(int(side * 0.42));
    name.setLetterSpacing(QFont::PercentageSpacing, 106);
    p.setFont(name);
    p.setPen(QColor(47, 58, 70));
    const QRectF nameRect(textLeft, mark.top(), width() - textLeft, side * 0.6);
    p.drawText(nameRect, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("VELKORA"));

    QFont line = font();
    line.setBold(false);
    line.setPixelSize(int(side * 0.2));
    line.setLetterSpacing(QFont::PercentageSpacing, 120);
    p.setFont(line);
    p.setPen(QColor(192, 38, 45));
    const QRectF lineRect(textLeft, mark.top() + side * 0.62, width() - textLeft, side * 0.3);
    p.drawText(lineRect, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("B2B SİPARİŞ"));
}
