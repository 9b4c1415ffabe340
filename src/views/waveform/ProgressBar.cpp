#include "ProgressBar.h"

#include "PictureStrip.h"

#include <QCoreApplication>
#include <QPainter>

namespace {
// The bar picture is whole at 98 %.
const float fullPc = 98.0f;
} // namespace

ProgressBar::ProgressBar(QWidget* parent)
    : QWidget(parent), barPixmap(cachedPixmap(QStringLiteral(":/images/progress_bar.png")))
{
}

void ProgressBar::updatePercentage(float value)
{
    if (value > 0.0f && !isVisible() && value < maxPc)
        show();
    pc = value;
    repaint();
    QCoreApplication::processEvents();
    if (pc >= maxPc) {
        pc = 0.0f;
        hide();
    }
}

void ProgressBar::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // The bar slides in from the left: the drawn part, 0 … w · pc / 98,
    // shows the rightmost columns of the picture.
    const qreal shown = std::min(qreal(w), std::max(qreal(0), qreal(w) * qreal(pc) / fullPc));
    if (shown > 0 && !barPixmap.isNull()) {
        const qreal sourceX = qreal(barPixmap.width()) - shown;
        painter.drawPixmap(QRectF(0, 0, shown, h), barPixmap, QRectF(sourceX, 0, shown, barPixmap.height()));
    }
    painter.drawPixmap(rect(), cachedPixmap(QStringLiteral(":/images/progress_bar_background.png")));
}
