#include "platform/widgets/paintedicon.h"

#include <QIconEngine>
#include <QPainter>

namespace {

class PaintedIconEngine : public QIconEngine {
public:
    explicit PaintedIconEngine(IconPainter draw) : m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        m_draw(*painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(m_draw); }

private:
    IconPainter m_draw;
};

} // namespace

QIcon PaintedIcon(IconPainter draw)
{
    return QIcon(new PaintedIconEngine(std::move(draw)));
}
