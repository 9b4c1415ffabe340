#include "LoopLengthWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

const int rulerFrameHeight = 5;

bool commandHeld(const QMouseEvent& event)
{
    return event.modifiers() == Qt::ControlModifier;
}

} // namespace

LoopLengthWidget::LoopLengthWidget(QWidget* parent)
    : QWidget(parent), rulerPicture(QStringLiteral(":/images/jam/loop_length.png")),
      ballPicture(QStringLiteral(":/images/jam/loop_length_ball.png"))
{
    setCursor(Qt::OpenHandCursor);
}

void LoopLengthWidget::setFromSession(int value, int maxValue)
{
    tell(ruler.restoreFromSession(value, maxValue));
}

void LoopLengthWidget::reset()
{
    ruler.reset();
    update();
}

void LoopLengthWidget::setValue(int value)
{
    tell(ruler.setValue(value));
}

void LoopLengthWidget::tell(const jam::LoopRuler::Events& events)
{
    for (const auto& event : events) {
        if (event.kind == jam::LoopRuler::Event::ExtendLoop)
            emit extendLoop(event.step);
        else
            emit setLoopLength(event.step);
    }
    update();
}

void LoopLengthWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const int x = qRound(event->localPos().x());
    // Ask only for a press the ruler would take.
    if (x >= width())
        return;
    const bool firstStep = emit firstStepSet();
    tell(ruler.press(x, width(), commandHeld(*event), firstStep));
}

void LoopLengthWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    tell(ruler.move(qRound(event->localPos().x()), width(), commandHeld(*event)));
}

void LoopLengthWidget::wheelEvent(QWheelEvent* event)
{
    tell(ruler.wheel(event->angleDelta().y()));
}

void LoopLengthWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int v = ruler.value();
    rulerPicture.drawFrame(painter, v, QRect(0, 2, width(), rulerFrameHeight));
    ballPicture.drawFrame(painter, v, QRect(0, 0, width(), rulerHeight));
}
