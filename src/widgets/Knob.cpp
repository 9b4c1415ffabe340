#include "Knob.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const int largeKnobSize = 85;
const int smallKnobSize = 64;
const int largeKnobValue = 49;
} // namespace

Knob::Knob(QWidget* parent) : QDial(parent)
{
    connect(this, &Knob::sliderMoved, this, &Knob::moveImage);
    connect(this, &Knob::valueChanged, this, &Knob::setSyncValueSlot);
}

void Knob::setKnobSize(bool large)
{
    if (large) {
        strip = PictureStrip(QStringLiteral(":/images/real_time_tools/knob_large.png"));
        setFixedSize(largeKnobSize, largeKnobSize);
        setValue(largeKnobValue);
    } else {
        strip = PictureStrip(QStringLiteral(":/images/real_time_tools/knob_small.png"));
        setFixedSize(smallKnobSize, smallKnobSize);
    }
    update();
}

void Knob::setPixmap(const QPixmap& pixmap)
{
    strip = PictureStrip(pixmap);
    update();
}

void Knob::setResetValue(int value)
{
    resetValue = value;
}

void Knob::reset()
{
    setValue(resetValue);
    emit resetKnob();
}

void Knob::increment()
{
    setValue(value() + 1);
}

void Knob::decrement()
{
    setValue(value() - 1);
}

void Knob::moveImage(int)
{
    update();
}

void Knob::setSyncValueSlot(int value)
{
    emit setSyncValueSignal(objectName(), value);
}

void Knob::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::RightButton) {
        reset();
        return;
    }
    if (!onlyLeftHeld(*event))
        return;
    drag.start(event->pos());
    // A drag that follows a Meta-press continues from the reset value.
    if (isResetGesture(*event))
        reset();
}

void Knob::mouseReleaseEvent(QMouseEvent*)
{
    // The drag simply ends with the next press.
}

void Knob::mouseMoveEvent(QMouseEvent* event)
{
    if (!onlyLeftHeld(*event))
        return;
    setValue(value() + drag.stepTo(event->pos()));
}

void Knob::enterEvent(QEvent*)
{
    emit knobEntered();
}

void Knob::leaveEvent(QEvent*)
{
    emit knobExited();
}

void Knob::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    strip.drawScaledFrame(painter, value(), rect());
}
