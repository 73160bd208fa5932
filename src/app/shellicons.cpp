#include "app/shellicons.h"

#include "platform/widgets/paintedicon.h"

#include <QPainter>

namespace {

const QColor kSlate(47, 58, 70);
const QColor kRed(192, 38, 45);

QPointF At(const QRectF& r, qreal x, qreal y)
{
    return {r.left() + r.width() * x, r.top() + r.height() * y};
}

QPen RoundPen(const QColor& colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

QIcon MenuButtonIcon()
{
    return PaintedIcon([](QPainter& p, const QRectF& r) {
        // A red rounded square carrying three white bars.
        const QRectF square = r.adjusted(r.width() * 0.06, r.height() * 0.06,
                                         -r.width() * 0.06, -r.height() * 0.06);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRoundedRect(square, square.width() * 0.18, square.height() * 0.18);
        p.setPen(RoundPen(Qt::white, r.height() * 0.09));
        for (qreal y : {0.32, 0.5, 0.68})
            p.drawLine(At(r, 0.28, y), At(r, 0.72, y));
    });
}

QIcon SearchIcon()
{
    return PaintedIcon([](QPainter& p, const QRectF& r) {
        p.setPen(RoundPen(Qt::white, r.width() * 0.12));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(At(r, 0.14, 0.14), At(r, 0.64, 0.64)));
        p.drawLine(At(r, 0.6, 0.6), At(r, 0.86, 0.86));
    });
}

QIcon ClearIcon()
{
    return PaintedIcon([](QPainter& p, const QRectF& r) {
        p.setPen(RoundPen(kSlate, r.width() * 0.12));
        p.drawLine(At(r, 0.24, 0.24), At(r, 0.76, 0.76));
        p.drawLine(At(r, 0.76, 0.24), At(r, 0.24, 0.76));
    });
}
