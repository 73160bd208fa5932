#include "app/legendstrip.h"

#include "catalogue/stockstateicons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kIconSide = 16;

// Paints its icon at the screen's own resolution.
class LegendIcon : public QWidget {
public:
    LegendIcon(const QIcon& icon, QWidget* parent) : QWidget(parent), m_icon(icon)
    {
        setFixedSize(kIconSide, kIconSide);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_icon.paint(&painter, rect());
    }

private:
    QIcon m_icon;
};

} // namespace

QWidget* CreateLegendStrip(QWidget* parent)
{
    auto* strip = new QFrame(parent);
    strip->setObjectName(QStringLiteral("Panel3"));
    strip->setFixedHeight(27);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(2);

    // Dark slate text, also without the style sheet.
    QPalette slate = strip->palette();
    slate.setColor(QPalette::WindowText, QColor(67, 76, 88));

    auto addText = [&](const QString& text, const QString& name) {
        auto* label = new QLabel(text, strip);
        label->setObjectName(name);
        label->setPalette(slate);
        row->addWidget(label);
    };
    addText(StockStateLegendHeading(), QStringLiteral("legendHeading"));
    for (int durum : StockStateLegendOrder()) {
        auto* icon = new LegendIcon(StockStateIcon(durum), strip);
        icon->setObjectName(QStringLiteral("legendIcon%1").arg(durum));
        row->addWidget(icon);
        addText(StockStateLegendLabel(durum), QStringLiteral("legendLabel%1").arg(durum));
    }
    row->addStretch(1);
    return strip;
}
