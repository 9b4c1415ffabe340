#include "RealTimeToolsTab.h"

#include "DesignFont.h"
#include "IncrementWidget.h"
#include "Knob.h"
#include "PictureStrip.h"
#include "PitchSyncWidget.h"
#include "PitchValue.h"
#include "PlotButton.h"
#include "PowerButton.h"
#include "SSSPlot.h"
#include "Slider.h"

#include <QSignalBlocker>
#include <QTimer>

#include <cmath>
#include <utility>

namespace {
const QSize tabSize(1000, 355);

const int largeKnobTop = 199;
const int largeKnobCentre = largeKnobTop / 2; // 99: original tempo, no pitch shift
const int widthReset = 34;
const int separationReset = 99;
const int filterReset = 19;
const int smallKnobTop = 99;

const QSize powerSize(25, 25);
const QSize sliderSize(350, 24);
const QSize tempoLabelSize(20, 20);
const QColor tempoLabelGrey(170, 170, 170);
const int tempoLabelAlphaTop = 150;
const int fadeTickMs = 10;

const QString pitchKnobName = QStringLiteral("pitchKnob");
const QString semitonesName = QStringLiteral("semitones");
const QString fineTuneName = QStringLiteral("fineTune");
const QString keyShiftName = QStringLiteral("keyShift");

const float fineTuneCentre = 50.0f;

// The fine-tune box at `hundredths` from its centre, the marker under it.
void placeFineTune(IncrementWidget& box, int hundredths)
{
    const float value = float(hundredths) + fineTuneCentre;
    box.placeFineTune(value, int(value / 100.0f * 44.0f + 24.0f));
}

int toIntOrZero(const QStringList& list, int index)
{
    return index < list.size() ? list[index].toInt() : 0;
}

float toFloatOrZero(const QStringList& list, int index)
{
    return index < list.size() ? list[index].toFloat() : 0.0f;
}

void setTextAlpha(QLabel* label, int alpha)
{
    QPalette palette = label->palette();
    QColor colour = tempoLabelGrey;
    colour.setAlpha(alpha);
    palette.setColor(QPalette::WindowText, colour); // every colour group
    label->setPalette(palette);
}
} // namespace

RealTimeToolsTab::RealTimeToolsTab(QWidget* parent) : QLabel(parent)
{
    setPixmap(cachedPixmap(QStringLiteral(":/images/real_time_tools/tool_overlay.png")));
    setScaledContents(true);
    setFixedSize(tabSize);
    initWidgets();
    initLayout();
    initConnections();
    sssPlot->setWidth(widthReset);
    resetRealTimeTools();
}

// ---- Construction ---------------------------------------------------------------------

void RealTimeToolsTab::initWidgets()
{
    sssPlot = new SSSPlot(this);
    bpmBox = new IncrementWidget(this, IncrementWidget::Tempo);
    semitoneBox = new IncrementWidget(this, IncrementWidget::Semitones);
    tempoPower = new PowerButton(this);
    pitchPower = new PowerButton(this);
    isolationPower = new PowerButton(this);
    slider = new Slider(this);
    tempoKnob = new Knob(this);
    pitchKnob = new Knob(this);
    widthKnob = new Knob(this);
    separationKnob = new Knob(this);
    filterKnob = new Knob(this);
    muteSoloButton = new PlotButton(this, QStringLiteral("muteSolo"));
    filterButton = new PlotButton(this, QStringLiteral("filter"));
    fineTuneBox = new IncrementWidget(this, IncrementWidget::FineTune);
    modeBox = new IncrementWidget(this, IncrementWidget::TimeStretchMode);

    semitoneBox->setObjectName(semitonesName);
    pitchKnob->setObjectName(pitchKnobName);
    fineTuneBox->setObjectName(fineTuneName);

    for (Knob* knob : {tempoKnob, pitchKnob}) {
        knob->setKnobSize(true);
        knob->setRange(0, largeKnobTop);
        knob->setValue(largeKnobCentre);
        knob->setResetValue(largeKnobCentre);
    }
    // Without a size a knob has no picture: the filter knob is small too.
    const std::pair<Knob*, int> smallKnobs[] = {
        {widthKnob, widthReset}, {separationKnob, separationReset}, {filterKnob, filterReset}};
    for (const auto& [knob, reset] : smallKnobs) {
        knob->setKnobSize(false);
        knob->setRange(0, smallKnobTop);
        knob->setValue(reset);
        knob->setResetValue(reset);
    }
    slider->setFixedSize(sliderSize);
    slider->setRange(0, 99);
    slider->setValue(50);
    for (PowerButton* power : {tempoPower, pitchPower, isolationPower})
        power->setFixedSize(powerSize);
    bpmBox->setBPMActive(false, 0.0f);
    tempoFadeLevel = 0.0f;

    const char* labelTexts[3] = {"1/2", "1/4", "x2"};
    const QFont labelFont = designFont(QStringLiteral("Arial"), 10, QFont::Bold);
    for (int i = 0; i < 3; ++i) {
        tempoLabels[i] = new QLabel(QString::fromLatin1(labelTexts[i]), this);
        tempoLabels[i]->setFixedSize(tempoLabelSize);
        tempoLabels[i]->setFont(labelFont);
        setTextAlpha(tempoLabels[i], 0);
    }
    fadeTimer = new QTimer(this);
    fadeTimer->setInterval(fadeTickMs);
}

void RealTimeToolsTab::initLayout()
{
    tempoKnob->move(141, 94);
    pitchKnob->move(782, 94);
    widthKnob->move(379, 242);
    separationKnob->move(469, 242);
    filterKnob->move(555, 242);
    slider->move(326, 200);
    tempoPower->move(70, 300);
    pitchPower->move(701, 300);
    isolationPower->move(322, 300);
    sssPlot->move(343, 84);
    muteSoloButton->move(328, 264);
    filterButton->move(628, 264);
    bpmBox->move(141, 228);
    semitoneBox->move(781, 228);
    fineTuneBox->move(781, 272);
    modeBox->move(141, 272);
    tempoLabels[0]->move(126, 129);
    tempoLabels[1]->move(149, 168);
    tempoLabels[2]->move(208, 168);
}

void RealTimeToolsTab::connectTempoKnobToHopFactor()
{
    tempoKnobToHopFactor =
        connect(tempoKnob, &Knob::valueChanged, this, qOverload<int>(&RealTimeToolsTab::hopFactorChanged));
}

// Receivers of one signal are called in the order connected.
void RealTimeToolsTab::initConnections()
{
    connect(modeBox, &IncrementWidget::modeChanged, this, &RealTimeToolsTab::changeMode);
    connect(tempoKnob, &Knob::valueChanged, this, &RealTimeToolsTab::turnOnTempo);
    // After turnOnTempo: the tool runs before it gets the new factor.
    connectTempoKnobToHopFactor();
    connect(bpmBox, &IncrementWidget::setKnobFromBPM, this, &RealTimeToolsTab::setTempoKnobValue);
    connect(tempoPower, &PowerButton::buttonOn, this, &RealTimeToolsTab::TSMActivated);
    connect(pitchPower, &PowerButton::buttonOn, this, &RealTimeToolsTab::PSMActivated);

    // Isolation: each control reaches the player and the display.
    connect(isolationPower, &PowerButton::buttonOn, this, &RealTimeToolsTab::activateSSS);
    connect(isolationPower, &PowerButton::buttonOn, sssPlot, &SSSPlot::turnOn);
    connect(widthKnob, &Knob::valueChanged, this, &RealTimeToolsTab::widthChanged);
    connect(widthKnob, &Knob::valueChanged, sssPlot, &SSSPlot::setWidth);
    connect(separationKnob, &Knob::valueChanged, this, &RealTimeToolsTab::separationChanged);
    connect(separationKnob, &Knob::valueChanged, sssPlot, &SSSPlot::setSupressionFactor);
    connect(slider, &Slider::valueChanged, this, &RealTimeToolsTab::azimuthChanged);
    connect(slider, &Slider::valueChanged, sssPlot, &SSSPlot::setAzimuth);
    connect(muteSoloButton, &PlotButton::setState, this, &RealTimeToolsTab::setMuteSolo);
    connect(muteSoloButton, &PlotButton::setState, sssPlot, &SSSPlot::setMuteSolo);
    connect(filterKnob, &Knob::valueChanged, this, &RealTimeToolsTab::filterChanged);
    connect(filterButton, &PlotButton::setState, this, &RealTimeToolsTab::setFilter);

    // Any change of an isolation control switches isolation on.
    for (QAbstractSlider* control :
         std::initializer_list<QAbstractSlider*>{widthKnob, separationKnob, slider, filterKnob})
        connect(control, &QAbstractSlider::valueChanged, this, qOverload<int>(&RealTimeToolsTab::turnOnSSS));
    connect(muteSoloButton, &PlotButton::setState, this, qOverload<bool>(&RealTimeToolsTab::turnOnSSS));
    connect(filterButton, &PlotButton::setState, this, qOverload<bool>(&RealTimeToolsTab::turnOnSSS));
    connect(slider, &Slider::valueChanged, this, &RealTimeToolsTab::setLRPerCent);

    connect(semitoneBox, &IncrementWidget::getDecimal, fineTuneBox, &IncrementWidget::getCurrentValue);

    connect(fadeTimer, &QTimer::timeout, this, &RealTimeToolsTab::fadeTempoWidgets);
    connect(tempoKnob, &Knob::knobEntered, this, &RealTimeToolsTab::fadeInTempoLabel);
    connect(tempoKnob, &Knob::knobExited, this, &RealTimeToolsTab::fadeOutTempoLabel);
}

// ---- Pitch -------------------------------------------------------------------------------

void RealTimeToolsTab::PSMActivated(bool active)
{
    emit activatePitch(active);
}

void RealTimeToolsTab::updatePitchWidgets(QString objectName, float x)
{
    // Past 2.0 or 0.5 only when ±12 was reached from ±11 with the fine tune
    // kept: the fine-tune box shows that fine tune (else exactly 50).
    const bool atAnEnd = x >= 2.0f || x <= 0.5f;
    if (objectName == pitchKnobName) {
        setFineTuneWidget(x);
        setTransposeWidget(x);
    } else if (objectName == semitonesName) {
        setPitchKob(x);
        if (atAnEnd)
            setFineTuneWidget(x);
    } else if (objectName == fineTuneName) {
        setPitchKob(x);
        setTransposeWidget(x);
        if (atAnEnd)
            setFineTuneWidget(x);
    } else if (objectName == keyShiftName) {
        setTransposeWidget(x);
        setPitchKob(x);
        if (atAnEnd)
            setFineTuneWidget(x);
    }
    // Every change but the key shift's own is reported back to it.
    if (objectName != keyShiftName)
        emit updateChordKeyShift(getSemitones());

    if (x == 1.0f) {
        setFineTuneWidget(1.0f);
        emit activatePitch(false);
        pitchPower->setValueFromSession(false);
    } else {
        emit activatePitch(true);
        pitchPower->setValueFromSession(true);
    }
}

void RealTimeToolsTab::setPitchKob(float x)
{
    const QSignalBlocker quiet(pitchKnob);
    if (x == 1.0f)
        pitchKnob->setValue(largeKnobCentre);
    else if (x > 1.0f)
        pitchKnob->setValue(int(99.0f * x));
    else
        pitchKnob->setValue(int((double(x) - 0.5) * 2.0 * 100.0));
    pitchKnob->update();
}

void RealTimeToolsTab::setTransposeWidget(float x)
{
    const pitchvalue::Split pitch = pitchvalue::splitShown(pitchvalue::semitonesOfRatio(double(x)));
    semitoneBox->setValue(float(pitch.semitones));
}

void RealTimeToolsTab::setFineTuneWidget(float x)
{
    if (fineTuneBox->mode() != IncrementWidget::FineTune)
        return;
    placeFineTune(*fineTuneBox, pitchvalue::splitShown(pitchvalue::semitonesOfRatio(double(x))).hundredths);
}

void RealTimeToolsTab::showPitch(int semitones, int hundredths)
{
    semitoneBox->setValue(float(semitones));
    placeFineTune(*fineTuneBox, hundredths);
}

float RealTimeToolsTab::getSemitones() const
{
    return float(int(semitoneBox->value())) + float(fineTuneBox->fineTuneHundredths()) / 100.0f;
}

// ---- Isolation ---------------------------------------------------------------------------

void RealTimeToolsTab::turnOnSSS(int)
{
    emit activateSSS(true);
    isolationPower->setValueFromSession(true);
}

void RealTimeToolsTab::turnOnSSS(bool)
{
    emit activateSSS(true);
    isolationPower->setValueFromSession(true);
}

void RealTimeToolsTab::setLRPerCent(int value)
{
    LRPerCentWidget* left = sssPlot->leftPercentage();
    LRPerCentWidget* right = sssPlot->rightPercentage();
    if (value <= 48) {
        right->stopHideTimer();
        left->setPercentage(49 - value);
    } else if (value == 49) {
        left->stopHideTimer();
        right->stopHideTimer();
    } else {
        left->stopHideTimer();
        right->setPercentage(value - 50);
    }
}

// ---- Tempo labels ---------------------------------------------------------------------------
// The fade counter c: 0 … 100 fading in (100 = shown), −200 … −101 holding
// before a fade-out, −100 … −1 fading out; the level is |c| / 100.

bool RealTimeToolsTab::fadeRunning() const
{
    return fadeTimer->isActive();
}

void RealTimeToolsTab::fadeInTempoLabel()
{
    if (tempoFadeLevel == 0.0f) {
        fadeCounter = 0;
        fadeTimer->start();
    } else if (fadeCounter >= -99 && fadeCounter <= -1) {
        fadeCounter = -fadeCounter; // turn round
    } else if (fadeCounter < -100) {
        fadeCounter = 100;
    }
}

void RealTimeToolsTab::fadeOutTempoLabel()
{
    if (!fadeTimer->isActive()) {
        fadeCounter = -200;
        fadeTimer->start();
    } else {
        fadeCounter = -fadeCounter;
    }
}

void RealTimeToolsTab::fadeTempoWidgets()
{
    if (fadeCounter >= 101 || fadeCounter < -200) {
        fadeCounter = -199;
        tempoFadeLevel = 1.99f;
        return;
    }
    if (fadeCounter >= 0) {
        if (fadeCounter == 100)
            fadeTimer->stop();
        ++fadeCounter;
        if (fadeCounter == 100)
            fadeTimer->stop();
    } else {
        ++fadeCounter;
        if (fadeCounter == 0)
            fadeTimer->stop();
    }
    tempoFadeLevel = float(std::abs(fadeCounter)) / 100.0f;
    if (fadeCounter >= -100) {
        const float alpha = tempoFadeLevel * float(tempoLabelAlphaTop);
        if (alpha >= 0.0f && alpha <= 255.0f) {
            for (int i : {1, 2, 0})
                setTextAlpha(tempoLabels[i], int(alpha));
        }
    }
}

// ---- Reset and session ----------------------------------------------------------------------

void RealTimeToolsTab::resetRealTimeTools()
{
    // 1. The knobs publish their reset values; the isolation ones switch
    //    isolation on, which the last step undoes.
    for (Knob* knob : {tempoKnob, pitchKnob, widthKnob, separationKnob, filterKnob}) {
        const bool atReset = knob == pitchKnob && pitchKnob->value() == largeKnobCentre;
        knob->reset();
        // A small fine tune leaves the pitch knob at 99: tell the pitch
        // model anyway, so no shift survives the reset.
        if (atReset)
            pitchKnob->setSyncValueSlot(largeKnobCentre);
    }
    // 2. – 3.
    slider->reset();
    for (PowerButton* power : {tempoPower, pitchPower, isolationPower})
        power->reset();
    // 4. – 6. (a session's tempo waiting for the last recording goes too)
    bpmBox->setBPMActive(false, 0.0f);
    waitingTempo = {};
    modeBox->reset();
    placeFineTune(*fineTuneBox, 0);
    // 7. – 8.
    filterButton->reset();
    muteSoloButton->reset();
    isolationPower->reset();
}

void RealTimeToolsTab::setToolsFromSession(QStringList tempo, QStringList pitch, QStringList sourceSep)
{
    // Tempo: the knob switches the tool as a turn would, the stored tempo
    // then plays as the box set it (once the recording's tempo is known);
    // a stored switch that differs then changes it as a press does.
    tempoKnob->setValue(toIntOrZero(tempo, 1));
    bool exact = false;
    const float exactBpm = tempo.value(4).toFloat(&exact);
    if (exact && std::isfinite(exactBpm) && exactBpm > 0.0f) {
        waitingTempo = {exactBpm, true};
    } else {
        const float bpm = toFloatOrZero(tempo, 0);
        waitingTempo = {std::isfinite(bpm) && bpm > 0.0f ? bpm : 0.0f, false};
    }
    if (bpmBox->tempoKnown())
        playSessionTempo(std::exchange(waitingTempo, {}));
    const int mode = toIntOrZero(tempo, 2);
    modeBox->setCurrentMode(mode >= 0 && mode <= 3 ? mode : 0);
    const bool tempoOn = toIntOrZero(tempo, 3) != 0;
    if (tempoOn != tempoPower->isOn())
        tempoPower->setValueFromSession(tempoOn);

    // Pitch.
    {
        const QSignalBlocker quiet(pitchKnob);
        pitchKnob->setValue(toIntOrZero(pitch, 0));
        pitchKnob->update();
    }
    pitchPower->setValueFromSession(toIntOrZero(pitch, 3) != 0);
    // One split of the stored pitch for the model, the player, both boxes
    // and the key shift: rounding each from the ratio put a pitch on a half
    // a semitone apart in the boxes.
    const float stored = PitchSyncWidget::semitonesFromSession(toFloatOrZero(pitch, 1));
    const pitchvalue::Split split = pitchvalue::splitStored(double(stored));
    emit initPitchSyncWidgetFromSession(split.total());
    emit setInterpFactor(pitchvalue::ratioOfSemitones(double(split.total())));
    showPitch(split.semitones, split.hundredths);
    emit updateChordKeyShift(getSemitones());

    // Isolation: every change switches it on; the stored switch decides.
    separationKnob->setValue(toIntOrZero(sourceSep, 0));
    widthKnob->setValue(toIntOrZero(sourceSep, 1));
    filterKnob->setValue(toIntOrZero(sourceSep, 2));
    slider->setValue(toIntOrZero(sourceSep, 3));
    filterButton->setStateFromSession(toIntOrZero(sourceSep, 4) != 0);
    muteSoloButton->setStateFromSession(toIntOrZero(sourceSep, 5) != 0);
    isolationPower->setValueFromSession(toIntOrZero(sourceSep, 6) != 0);
}
