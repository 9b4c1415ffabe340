#include "StepContextMenu.h"

#include "CustomButton.h"
#include "JamRules.h"
#include "PictureStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

ContextPitchWidget::ContextPitchWidget(QWidget* parent, int stepIndex)
    : StepBox(parent, Pictures::plain()), step(stepIndex)
{
}

void ContextPitchWidget::setPitchInterp(float interp)
{
    pitchInterp = interp;
}

void ContextPitchWidget::setPitchSemitone(float semitones)
{
    pitchSemitone = semitones;
}

void ContextPitchWidget::reset()
{
    pitchInterp = 1.0f;
    pitchSemitone = 0.0f;
    emit contextPitchChanged(pitchInterp, step);
}

// Held at ±12; the ratio is sent also when nothing changed.
void ContextPitchWidget::changeBy(int semitones)
{
    const float limit = float(jam::maxStepSemitones);
    pitchSemitone = std::clamp(pitchSemitone + float(semitones), -limit, limit);
    pitchInterp = jam::semitoneRatio(pitchSemitone);
    emit contextPitchChanged(pitchInterp, step);
}

void ContextPitchWidget::stepPressed(Area area)
{
    changeBy(area == Area::Minus ? -1 : area == Area::Plus ? 1 : 0);
}

void ContextPitchWidget::wheelStep(int delta)
{
    changeBy(wheelDirection(delta));
}

void ContextPitchWidget::resetGesture()
{
    reset();
}

void ContextPitchWidget::paintValue(QPainter& painter)
{
    drawCentredText(painter, jam::semitoneText(pitchSemitone));
}

StepContextMenu::StepContextMenu(QWidget* parent, int stepIndex) : QWidget(parent), step(stepIndex)
{
    initWidgets();
    initConnections();
}

void StepContextMenu::initWidgets()
{
    firstButton = new QPushButton(QStringLiteral("1st"), this);
    firstButton->setFixedSize(20, 20);
    firstButton->hide();

    pitchWidget = new ContextPitchWidget(this, step);
    pitchWidget->move(10, 66);

    // No picture of its own: the panel's background draws the close spot.
    closeButton = new CustomButton(QPixmap(), this, false);
    closeButton->setAutoFillBackground(false);
    closeButton->setFixedSize(20, 20);
    closeButton->move(width() - 42, 41);
}

void StepContextMenu::initConnections()
{
    connect(pitchWidget, &ContextPitchWidget::contextPitchChanged, this, &StepContextMenu::contextPitchChanged);
    connect(closeButton, &CustomButton::pressed, this, &QWidget::hide);
}

void StepContextMenu::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos(qRound(event->localPos().x()), qRound(event->localPos().y()));
    if (pos.y() > topBandBottom)
        return;
    const QWidget* tab = parentWidget();
    const int tabX = tab ? mapTo(tab, QPoint(pos.x(), 0)).x() : pos.x();
    emit showDifferentContextMenu(jam::contextMenuStepAt(tabX));
    hide();
}

void StepContextMenu::mouseMoveEvent(QMouseEvent*) { }

void StepContextMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap background = cachedPixmap(QStringLiteral(":/images/jam/right_click_context.png"));
    if (!background.isNull())
        painter.drawPixmap(0, 0, background);
}

// The close spot of the background sits 42 pixels from the right edge.
void StepContextMenu::resizeEvent(QResizeEvent*)
{
    closeButton->move(width() - 42, 41);
}
