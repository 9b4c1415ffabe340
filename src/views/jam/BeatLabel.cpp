#include "BeatLabel.h"

#include "DesignFont.h"
#include "RiffModel.h"
#include "ZoomLevel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {

const int animationIntervalMs = 5;

// Pen and fill of each state (RGBA); state 0 is never drawn.
QColor stateColour(int state)
{
    switch (state) {
    case RiffModel::Armed:
        return QColor(150, 0, 0, 135);
    case RiffModel::InLoop:
        return QColor(100, 220, 150, 50);
    case RiffModel::OutsideLoop:
        return QColor(110, 110, 110, 50);
    default:
        return QColor();
    }
}

bool isShownState(int state)
{
    return state == RiffModel::Armed || state == RiffModel::InLoop || state == RiffModel::OutsideLoop;
}

} // namespace

BeatLabel::BeatLabel(int stepIndex, QWidget* parent) : QLabel(parent), step(stepIndex)
{
    initWidgets();
    hide();
}

void BeatLabel::initWidgets()
{
    setCursor(Qt::OpenHandCursor);
    animationTimer = new QTimer(this);
    animationTimer->setInterval(animationIntervalMs);
    connect(animationTimer, &QTimer::timeout, this, &BeatLabel::animate);

    numberLabel = new QLabel(this);
    numberLabel->setTextFormat(Qt::RichText);
    numberLabel->setText(QStringLiteral("<font color='#FFFFFF'>%1</font>").arg(step + 1));
    numberLabel->setFont(labelFont(10));
    numberLabel->setAlignment(Qt::AlignCenter);
    numberLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BeatLabel::bindModel(RiffModel* riffModel)
{
    model = riffModel;
}

void BeatLabel::initPos(const std::atomic<float>* position)
{
    playPosition = position;
}

void BeatLabel::initSampleCount(int frames)
{
    sampleCount = frames;
}

int BeatLabel::getState() const
{
    return model ? model->step(step).state : 0;
}

int BeatLabel::getBeat() const
{
    return model ? model->step(step).beat : 0;
}

int BeatLabel::getStartSample() const
{
    return model ? model->step(step).startSample : 0;
}

int BeatLabel::getEndSample() const
{
    return model ? model->step(step).endSample : 0;
}

void BeatLabel::setState(int state)
{
    if (model)
        model->setState(step, state);
}

void BeatLabel::setBeat(int state, int beat, int startSample, int endSample)
{
    if (model)
        model->setBeat(step, state, beat, startSample, endSample);
}

void BeatLabel::reset()
{
    setState(RiffModel::Unused);
}

void BeatLabel::showState(int state)
{
    if (state == RiffModel::Unused) {
        hide();
    } else if (isShownState(state)) {
        show();
        update();
    }
}

void BeatLabel::setAnimated(bool on)
{
    if (on == animated)
        return;
    animated = on;
    if (on) {
        animationTimer->start();
    } else {
        animationTimer->stop();
        playLineX = width();
    }
    update();
}

// The play line sits where the play position falls on the overlay. Ticks
// every 5 ms: repaints only when the line moved a pixel.
void BeatLabel::animate()
{
    const QWidget* overlay = parentWidget();
    if (overlay == nullptr)
        return;
    const FrameScale scale(sampleCount, overlay->width());
    if (!scale.isValid())
        return;
    const float position = playPosition ? playPosition->load(std::memory_order_relaxed) : 0.0f;
    const float overlayX = scale.pixelOf(std::fabs(position));
    if (!std::isfinite(overlayX))
        return;
    const int lineX = int(std::min(overlayX, 1.0e9f)) - x();
    if (lineX == playLineX)
        return;
    playLineX = lineX;
    update();
}

void BeatLabel::reOrder()
{
    emit setFirst(step, getBeat());
}

void BeatLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setCursor(Qt::ClosedHandCursor);
}

void BeatLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setCursor(Qt::OpenHandCursor);
}

// Armed → committed (the overlay's lockSelection follows); in use → armed
// again (the overlay and the step row take the step as armed).
void BeatLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    setCursor(Qt::OpenHandCursor);
    const int state = getState();
    if (state == RiffModel::InLoop || state == RiffModel::OutsideLoop) {
        setState(RiffModel::Armed);
        emit setActiveStep(step);
    } else if (state == RiffModel::Armed) {
        setState(RiffModel::InLoop);
        emit commitStep();
    }
}

void BeatLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const int overlayX = mapToParent(event->pos()).x();
    emit scrollBeat(this, overlayX, event->modifiers() == Qt::ControlModifier);
}

// 1. Pen and fill in the state's colour; armed and outside-loop steps get
//    an outline first.
// 2. Idle: the whole band.
// 3. Playing: the played part solid, the rest faint, a grey play line.
void BeatLabel::paintEvent(QPaintEvent*)
{
    const int state = getState();
    const QColor colour = stateColour(state);
    if (!colour.isValid())
        return;
    QPainter painter(this);
    painter.setPen(colour);
    painter.setBrush(colour);
    if (state == RiffModel::Armed)
        painter.drawRect(0, 0, width() - 1, height() - 1);
    else if (state == RiffModel::OutsideLoop)
        painter.drawRect(0, 0, width(), height());

    if (!animationTimer->isActive()) {
        painter.drawRect(0, 0, width(), height());
        return;
    }
    painter.drawRect(QRect(QPoint(0, 0), QPoint(playLineX, height())));
    painter.setOpacity(0.3);
    painter.drawRect(QRect(QPoint(playLineX, 0), QPoint(width(), height())));
    painter.setOpacity(1.0);
    QPen line(QColor(180, 180, 180, 255), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.setPen(line);
    painter.drawLine(playLineX, 0, playLineX, height());
}

void BeatLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    numberLabel->setGeometry(rect());
}
