#include "Slider.h"

#include "PointerGesture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const int trackStartX = 23;
const double trackFraction = 0.867; // of the width, from trackStartX to the value 100
const int resetValue = 50;
} // namespace

int sliderValueForX(int x, int width)
{
    // Single precision on purpose: the ends (0 at 23, 99 at 324) depend on it.
    const float track = float(width * trackFraction);
    return int(float(x - trackStartX) * (1.0f / track) * 100.0f);
}

Slider::Slider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent), strip(QStringLiteral(":/images/real_time_tools/slider.png"))
{
    connect(this, &Slider::sliderMoved, this, &Slider::moveImage);
}

void Slider::reset()
{
    setValue(resetValue);
}

void Slider::moveImage(int)
{
    update();
}

void Slider::mousePressEvent(QMouseEvent* event)
{
    if (onlyLeftHeld(*event))
        setValue(sliderValueForX(event->pos().x(), width()));
    if (isResetGesture(*event))
        setValue(maximum() / 2);
}

void Slider::mouseMoveEvent(QMouseEvent* event)
{
    if (onlyLeftHeld(*event))
        setValue(sliderValueForX(event->pos().x(), width()));
}

void Slider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    strip.drawFrame(painter, value(), rect());
}
