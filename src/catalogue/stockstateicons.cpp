#include "catalogue/stockstateicons.h"

#include "platform/widgets/paintedicon.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

// A filled disc with a thin darker rim, the ground of every state icon.
void Disc(QPainter& p, const QRectF& r, const QColor& fill)
{
    p.setPen(QPen(fill.darker(135), r.width() / 16.0));
    p.setBrush(fill);
    p.drawEllipse(r.adjusted(r.width() * 0.06, r.height() * 0.06, -r.width() * 0.06,
                             -r.height() * 0.06));
}

QPen Stroke(const QRectF& r, const QColor& colour = Qt::white)
{
    QPen pen(colour, r.width() / 8.0);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPointF At(const QRectF& r, qreal x, qreal y)
{
    return {r.left() + r.width() * x, r.top() + r.height() * y};
}

void DrawNone(QPainter& p, const QRectF& r)
{
    Disc(p, r, QColor(205, 45, 45));
    p.setPen(Stroke(r));
    p.drawLine(At(r, 0.33, 0.33), At(r, 0.67, 0.67));
    p.drawLine(At(r, 0.67, 0.33), At(r, 0.33, 0.67));
}

void DrawInStock(QPainter& p, const QRectF& r)
{
    Disc(p, r, QColor(46, 160, 67));
    p.setPen(Stroke(r));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(At(r, 0.28, 0.52));
    tick.lineTo(At(r, 0.44, 0.68));
    tick.lineTo(At(r, 0.72, 0.36));
    p.drawPath(tick);
}

void DrawCallUs(QPainter& p, const QRectF& r)
{
    Disc(p, r, QColor(33, 118, 200));
    // A handset: two ear pieces joined by a bow.
    p.setPen(Stroke(r));
    p.setBrush(Qt::NoBrush);
    QPainterPath bow;
    bow.moveTo(At(r, 0.32, 0.36));
    bow.quadTo(At(r, 0.5, 0.22), At(r, 0.68, 0.36));
    p.drawPath(bow);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(At(r, 0.24, 0.36), At(r, 0.4, 0.5)), r.width() * 0.04,
                      r.width() * 0.04);
    p.drawRoundedRect(QRectF(At(r, 0.6, 0.36), At(r, 0.76, 0.5)), r.width() * 0.04,
                      r.width() * 0.04);
    p.drawRect(QRectF(At(r, 0.36, 0.58), At(r, 0.64, 0.74)));
}

void DrawOnTheWay(QPainter& p, const QRectF& r)
{
    Disc(p, r, QColor(232, 128, 28));
    // A small lorry.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(At(r, 0.2, 0.34), At(r, 0.56, 0.62)));
    QPainterPath cab;
    cab.moveTo(At(r, 0.58, 0.42));
    cab.lineTo(At(r, 0.7, 0.42));
    cab.lineTo(At(r, 0.8, 0.52));
    cab.lineTo(At(r, 0.8, 0.62));
    cab.lineTo(At(r, 0.58, 0.62));
    cab.closeSubpath();
    p.drawPath(cab);
    const qreal wheel = r.width() * 0.07;
    p.drawEllipse(At(r, 0.32, 0.68), wheel, wheel);
    p.drawEllipse(At(r, 0.68, 0.68), wheel, wheel);
}

void DrawSpecialOrder(QPainter& p, const QRectF& r)
{
    Disc(p, r, QColor(128, 72, 170));
    // A five-pointed star.
    QPainterPath star;
    const QPointF centre = r.center();
    const qreal outer = r.width() * 0.3;
    const qreal inner = outer * 0.45;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        i ? star.lineTo(point) : star.moveTo(point);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(star);
}

void DrawBeingSupplied(QPainter& p, const QRectF& r)
{
    Disc(p, r, QColor(0, 140, 140));
    // A clock face.
    p.setPen(Stroke(r));
    p.drawLine(r.center(), At(r, 0.5, 0.28));
    p.drawLine(r.center(), At(r, 0.68, 0.58));
}

void DrawRunningLow(QPainter& p, const QRectF& r)
{
    Disc(p, r, QColor(240, 190, 30));
    // Three bars, the first one filled: little left.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const qreal left = 0.26 + i * 0.18;
        const qreal top = 0.56 - i * 0.12;
        p.setBrush(i == 0 ? QColor(Qt::white) : QColor(255, 255, 255, 110));
        p.drawRect(QRectF(At(r, left, top), At(r, left + 0.12, 0.72)));
    }
}

void DrawUnknown(QPainter& p, const QRectF& r)
{
    Disc(p, r, QColor(150, 156, 164));
    p.setPen(Qt::white);
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(1, int(r.height() * 0.62)));
    p.setFont(font);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

struct StateSpec {
    void (*draw)(QPainter&, const QRectF&);
    const char* legendLabel;
};

const std::array<StateSpec, 7> kStates{{
    {DrawNone, " Yok  "},
    {DrawInStock, " Stok mevcut  "},
    {DrawCallUs, " Telefon Açınız  "},
    {DrawOnTheWay, " Yolda  "},
    {DrawSpecialOrder, " Özel Sipariş  "},
    {DrawBeingSupplied, " Tedarik Sürecinde "},
    {DrawRunningLow, "  Az var    "},
}};

bool Known(int durum)
{
    return durum >= 0 && durum < int(kStates.size());
}

} // namespace

QIcon StockStateIcon(int durum)
{
    // Built once per code: grids ask for the icon of every visible row.
    static const std::array<QIcon, 8> icons = [] {
        std::array<QIcon, 8> built;
        for (size_t i = 0; i < kStates.size(); ++i)
            built[i] = PaintedIcon(kStates[i].draw);
        built[7] = PaintedIcon(DrawUnknown);
        return built;
    }();
    return Known(durum) ? icons[size_t(durum)] : icons[7];
}

QString StockStateLegendLabel(int durum)
{
    return Known(durum) ? QString::fromUtf8(kStates[size_t(durum)].legendLabel) : QString();
}

QString StockStateLegendHeading()
{
    return QStringLiteral("Durum Açıklaması:    ");
}

QList<int> StockStateLegendOrder()
{
    return {1, 6, 2, 3, 5, 4, 0};
}
