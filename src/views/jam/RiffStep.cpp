#include "RiffStep.h"

#include "JamRules.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

HighlightSteps::HighlightSteps(QWidget* parent)
    : QWidget(parent), picture(QStringLiteral(":/images/jam/highlight_steps.png"))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    flashTimer = new QTimer(this);
    flashTimer->setInterval(blinkIntervalMs);
    connect(flashTimer, &QTimer::timeout, this, &HighlightSteps::flash);
}

void HighlightSteps::mark(int cell)
{
    armedStep = cell;
    show();
    flashTimer->start();
    update();
}

void HighlightSteps::stop()
{
    flashTimer->stop();
    hide();
}

bool HighlightSteps::isBlinking() const
{
    return flashTimer->isActive();
}

void HighlightSteps::flash()
{
    setVisible(isHidden());
}

void HighlightSteps::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    picture.drawFrame(painter, armedStep, rect());
}

RiffStep::RiffStep(QWidget* parent, const QPixmap& pixmap) : StepWidget(parent, pixmap)
{
    highlight = new HighlightSteps(this);
    highlight->setGeometry(0, 0, rowWidth, rowHeight);
    highlight->hide();
}

void RiffStep::reset()
{
    firstStep = false;
    disarm();
    whiteNumberLength = 1;
    currentStep = 0;
    update();
}

void RiffStep::setArmedStep(int step)
{
    arm(step);
    emit showStepSelection(1);
}

void RiffStep::arm(int cell)
{
    armedStep = cell;
    highlight->mark(cell);
    update();
}

void RiffStep::commitStep()
{
    if (armedStep > emit getMaxLoopValue(0))
        emit setLoopLength(armedStep);
    disarm();
}

void RiffStep::disarm(int)
{
    armedStep = -1;
    highlight->stop();
}

void RiffStep::commit()
{
    emit lockSelection();
    disarm();
}

bool RiffStep::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return StepWidget::event(event);
}

// 1. Exactly the right button, or exactly the left with exactly Control:
//    the step's context menu.
// 2. Only a press of the left button goes on to arm or commit, by the
//    highest cell that may be armed now (jam::rowPress).
void RiffStep::mousePressEvent(QMouseEvent* event)
{
    if (!resultsValid())
        return;
    const int cell = jam::cellAt(qRound(event->localPos().x()));
    const bool contextGesture = event->buttons() == Qt::RightButton
        || (event->buttons() == Qt::LeftButton && event->modifiers() == Qt::MetaModifier);
    if (contextGesture)
        emit showContext(cell);
    if (event->button() != Qt::LeftButton)
        return;

    const int maxLoopValue = emit getMaxLoopValue(0);
    const int highest = jam::highestArmableCell(whiteNumberLength, maxLoopValue);
    switch (jam::rowPress(cell, highest, armedStep, highlight->isBlinking())) {
    case jam::RowPress::Arm:
        arm(cell);
        emit stepArmed(cell);
        emit showStepSelection(1);
        break;
    case jam::RowPress::CommitFirst:
        commit();
        firstStep = true;
        break;
    case jam::RowPress::Commit:
        commit();
        break;
    case jam::RowPress::Nothing:
        break;
    }
}

void RiffStep::mouseMoveEvent(QMouseEvent* event)
{
    emit moveBeatOutline(qRound(event->localPos().x()));
}

// 1. The row with the playing cell marked.
// 2. The loop's other steps numbered in white.
void RiffStep::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    stepPixmap.drawFrame(painter, currentStep, rect());
    for (int k : jam::whiteNumberCells(currentStep, whiteNumberLength)) {
        const QRect cell(k * jam::cellWidth, 0, jam::cellWidth, rowHeight);
        painter.drawPixmap(cell, whiteNumbersPixmap, cell);
    }
}
