#include "ZoomButtons.h"

#include "PictureStrip.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
const int notch = 120;
} // namespace

ZoomButtons::ZoomButtons(QWidget* parent) : QWidget(parent) { }

void ZoomButtons::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const double x = std::floor(event->localPos().x() + 0.5);
    if (x >= double(width() / 2)) {
        plusDown = true;
        emit zoom(notch);
    } else {
        minusDown = true;
        emit zoom(-notch);
    }
    update();
}

void ZoomButtons::mouseReleaseEvent(QMouseEvent*)
{
    plusDown = false;
    minusDown = false;
    update();
}

void ZoomButtons::paintEvent(QPaintEvent*)
{
    const QString picture = plusDown ? QStringLiteral(":/images/zoom_plus.png")
        : minusDown                  ? QStringLiteral(":/images/zoom_minus.png")
                                     : QStringLiteral(":/images/zoom.png");
    QPainter painter(this);
    painter.drawPixmap(rect(), cachedPixmap(picture));
}
