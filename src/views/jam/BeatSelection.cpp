#include "BeatSelection.h"

#include "BeatLabel.h"
#include "MetaData.h"
#include "Riff.h"
#include "ZoomLevel.h"

#include <QMouseEvent>
#include <QTimer>

BeatSelection::BeatSelection(QWidget* parent) : QWidget(parent)
{
    initWidgets();
    initConnections();
}

void BeatSelection::initWidgets()
{
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    riff = new Riff(this);
    flashTimer = new QTimer(this);
    for (int i = 0; i < stepCount; ++i) {
        beatLabels[i] = new BeatLabel(i, this);
        beatLabels[i]->bindModel(&steps);
    }
    steps.setStateObserver([this](int step, int state) { beatLabels[step]->showState(state); });
}

void BeatSelection::initConnections()
{
    for (BeatLabel* label : beatLabels) {
        connect(label, &BeatLabel::scrollBeat, this, &BeatSelection::scrollBeatLabel);
        connect(label, &BeatLabel::commitStep, this, &BeatSelection::lockSelection);
        connect(label, &BeatLabel::setActiveStep, this, &BeatSelection::setActiveStep);
        connect(label, &BeatLabel::setActiveStep, this, &BeatSelection::reArmStep);
        connect(label, &BeatLabel::setFirst, this, &BeatSelection::setFirst);
    }
}

void BeatSelection::initMetaData(MetaData* model)
{
    metaData = model;
    steps.setMetaData(model);
    connect(flashTimer, &QTimer::timeout, this, &BeatSelection::flash);
    // Steps restored from a session while the analysis ran wait for the
    // beats to be placed.
    if (model)
        connect(model, &MetaData::gotMeta, this, &BeatSelection::repositionBeats);
}

void BeatSelection::setSampleCount(int frames)
{
    sampleCount = frames;
    for (BeatLabel* label : beatLabels)
        label->initSampleCount(frames);
}

void BeatSelection::resetBeatSelection()
{
    beatUnderMouse = 0;
    steps.reset();
}

void BeatSelection::setMaxLoopLength(int step)
{
    steps.setMaxLoopLength(step);
}

int BeatSelection::beatIndex(int step) const
{
    return steps.beatIndex(step);
}

int BeatSelection::getLoopLength() const
{
    return steps.getLoopLength();
}

float BeatSelection::stepPitch(int step) const
{
    return riff->interpFactor(step);
}

float BeatSelection::samplesPerPixel() const
{
    return FrameScale(sampleCount, width()).framesPerPixel();
}

void BeatSelection::repositionBeats()
{
    if (!steps.hasBeats())
        return;
    for (const RiffModel::StepRect& r : steps.layout(samplesPerPixel(), height()))
        beatLabels[r.step]->setGeometry(r.rect);
    update();
}

void BeatSelection::setArmedStep(int step)
{
    setArmedStep(step, -1);
}

void BeatSelection::setArmedStep(int step, int beat)
{
    steps.setArmedStep(step, beat);
    repositionBeats();
}

void BeatSelection::reArmStep(int step)
{
    steps.reArmStep(step);
}

void BeatSelection::lockSelection()
{
    steps.lockSelection();
    setCursor(Qt::ArrowCursor);
    emit commitStep();
}

void BeatSelection::setLoopLength(int lastLoopStep)
{
    if (steps.maxLoopLength() < 0)
        return;
    steps.setLoopLength(lastLoopStep);
    repositionBeats();
}

void BeatSelection::extendLoopLength(int step)
{
    steps.extendLoopLength(step);
    repositionBeats();
    emit checkEnableAudioExport();
}

void BeatSelection::scrollBeatLabel(BeatLabel* beatLabel, int xMouse, bool ctrlClick)
{
    if (beatLabel == nullptr)
        return;
    const int step = beatLabel->getStep();
    const int beat = steps.beatContainingPixel(float(xMouse), samplesPerPixel()).value_or(steps.beatIndex(step));
    steps.moveStep(step, beat, ctrlClick);
    repositionBeats();
}

void BeatSelection::interpChanged(float interp, int step)
{
    riff->setInterpFactor(interp, step);
}

void BeatSelection::setAnimatedStep(int step)
{
    // A hidden riff animates nothing: a step left running when the song
    // moved on would still sweep once the riff shows again.
    const int animatedStep = isVisible() ? step : -1;
    for (int i = 0; i < stepCount; ++i)
        beatLabels[i]->setAnimated(i == animatedStep);
}

void BeatSelection::setFirst(int step, int)
{
    steps.setFirst(step);
    repositionBeats();
}

// The step row's blink timer ticks here too; nothing on the overlay blinks.
void BeatSelection::flash() { }

int BeatSelection::findBeatUnderMouse(int x)
{
    // The beats as detected, without the beat lead of the drawing.
    if (const auto b = steps.beatContainingSample(float(x) * samplesPerPixel()))
        beatUnderMouse = *b;
    return beatUnderMouse;
}

void BeatSelection::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !steps.acceptsNewStep())
        return;
    const int beat = findBeatUnderMouse(event->pos().x());
    const int step = steps.maxLoopLength() + 1;
    emit setActiveStep(step);
    setArmedStep(step, beat);
    setCursor(Qt::OpenHandCursor);
}

// The armed step follows the pointer beat by beat (mouse tracking is on).
void BeatSelection::mouseMoveEvent(QMouseEvent* event)
{
    const int armed = steps.armedStep();
    if (armed < 0 || !steps.hasBeats())
        return;
    const int beat = findBeatUnderMouse(event->pos().x());
    steps.placeStep(armed, RiffModel::Armed, beat);
    repositionBeats();
}

void BeatSelection::resizeEvent(QResizeEvent*)
{
    repositionBeats();
}
