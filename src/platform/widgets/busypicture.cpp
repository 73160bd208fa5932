#include "platform/widgets/busypicture.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kSpokes = 12;
constexpr int kStepMs = 80;
} // namespace

BusyPicture::BusyPicture(QWidget* parent)
    : QWidget(parent), m_timer(new QTimer(this))
{
    m_timer->setInterval(kStepMs);
    connect(m_timer, &QTimer::timeout, this, &BusyPicture::advance);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    hide();
}

void BusyPicture::start()
{
    m_step = 0;
    m_timer->start();
    show();
}

void BusyPicture::stop()
{
    m_timer->stop();
    hide();
}

bool BusyPicture::isRunning() const
{
    return m_timer->isActive();
}

QSize BusyPicture::sizeHint() const
{
    return {26, 26};
}

void BusyPicture::advance()
{
    m_step = (m_step + 1) % kSpokes;
    update();
}

void BusyPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    const qreal outer = side / 2.0 - 1.0;
    const qreal inner = outer * 0.45;
    QPen pen(palette().color(QPalette::Highlight));
    pen.setWidthF(std::max<qreal>(1.5, side / 10.0));
    pen.setCapStyle(Qt::RoundCap);
    for (int i = 0; i < kSpokes; ++i) {
        // The leading spoke is solid; those behind it fade out.
        const int age = (m_step - i + kSpokes) % kSpokes;
        QColor colour = pen.color();
        colour.setAlphaF(1.0 - age / double(kSpokes) * 0.85);
        pen.setColor(colour);
        painter.setPen(pen);
        painter.save();
        painter.rotate(i * 360.0 / kSpokes);
        painter.drawLine(QPointF(0, -inner), QPointF(0, -outer));
        painter.restore();
    }
}
