// The real-time tools tab: the controls of the three tools of the playback
// chain, at fixed positions over one background picture.
//   tempo      knob (0 … 199, 99 = original), BPM box, time-stretch mode
//              box, power switch
//   pitch      knob "pitchKnob", semitone box "semitones", fine-tune box
//              "fineTune", power switch
//   isolation  azimuth slider, width, separation and filter knobs,
//              mute/solo and high/low switches, power switch, live display
// It turns control movements into the player's parameters, keeps the pitch
// controls in line with the pitch model and the chords tab's boxes in line
// with its own, restores itself from a session and resets for a new file.
//
// It reaches nothing by itself: the main window connects its signals to the
// player, the pitch model and the chords tab. Power switches report the
// state they leave (true = off); a control that switches its tool emits the
// tool's activate signal and then sets the switch, whose opposite report
// comes second and decides. GUI thread only.
#pragma once

#include <QLabel>
#include <QMetaObject>
#include <QString>
#include <QStringList>

class IncrementWidget;
class Knob;
class PlotButton;
class PowerButton;
class QTimer;
class SSSPlot;
class Slider;

class RealTimeToolsTab : public QLabel
{
    Q_OBJECT

public:
    explicit RealTimeToolsTab(QWidget* parent);

    void resetRealTimeTools();
    // The session's texts, in the orders tempo = [bpm, knobValue, mode,
    // state, exactBpm], pitch = [knobValue, semitones, fineTune, state],
    // sourceSep = [sepKnobValue, widthKnobValue, filterKnobValue,
    // azimuthValue, hilo, solo, state]; a missing element reads "0", a
    // missing exactBpm may be left out or empty. A usable exactBpm plays
    // exactly, knob turn or box value; without one (0, older files) the
    // whole `bpm` is read against the knob as before.
    void setToolsFromSession(QStringList tempo, QStringList pitch, QStringList sourceSep);
    // Semitones with the fine tune as fraction, for the session.
    float getSemitones() const;

    // The tempo a session stores, in BPM: `bpm` is written truncated (its
    // meaning of old), `exactBpm` as it is. While the recording's tempo is
    // known both are the BPM box's value, the tempo that plays. Before it,
    // the knob plays (stored beside them) and both are 0, unless a loaded
    // session's tempo waits to play: then its own `bpm`, and its exact
    // tempo or 0 when it had none.
    struct StoredTempo
    {
        float bpm = 0.0f;
        float exactBpm = 0.0f;
    };
    StoredTempo storedTempo() const;

    // Tempo factor (output / input tempo) for a tempo-knob position:
    // 0 → 0.25, 50 → 0.625, 99 and 100 → 1.0, 150 → 1.5, 199 → 1.99.
    static float hopFactorForKnob(int value);

    // Place the pitch controls for a pitch ratio x, publishing nothing. The
    // two boxes split the ratio's pitch alike (pitchvalue::splitShown).
    void setFineTuneWidget(float x);
    void setTransposeWidget(float x);
    void setPitchKob(float x);

    // The children, for the main window's connections and for tests.
    SSSPlot* isolationDisplay() const { return sssPlot; }
    IncrementWidget* bpmWidget() const { return bpmBox; }
    IncrementWidget* semitoneWidget() const { return semitoneBox; }
    IncrementWidget* fineTuneWidget() const { return fineTuneBox; }
    IncrementWidget* modeWidget() const { return modeBox; }
    PowerButton* tempoPowerButton() const { return tempoPower; }
    PowerButton* pitchPowerButton() const { return pitchPower; }
    PowerButton* isolationPowerButton() const { return isolationPower; }
    Slider* azimuthSlider() const { return slider; }
    Knob* tempoKnobWidget() const { return tempoKnob; }
    Knob* pitchKnobWidget() const { return pitchKnob; }
    Knob* widthKnobWidget() const { return widthKnob; }
    Knob* separationKnobWidget() const { return separationKnob; }
    Knob* filterKnobWidget() const { return filterKnob; }
    PlotButton* muteSoloSwitch() const { return muteSoloButton; }
    PlotButton* filterSwitch() const { return filterButton; }
    // "1/2", "1/4", "x2".
    QLabel* tempoLabel(int index) const { return tempoLabels[index]; }
    float fadeLevel() const { return tempoFadeLevel; }
    bool fadeRunning() const;

public slots:
    // The recording's tempo, once per recording: a later one (the chord
    // filter analyses it again) keeps the reference the boxes play against.
    void setBPM(float bpm);
    // A turn of the tempo knob: the player takes the knob's factor, the BPM
    // boxes show the tempo it plays.
    float hopFactorChanged(int value, bool setBPMWidget);
    float hopFactorChanged(int value);
    // The BPM box moved (value: the knob position it asks for): the player
    // takes box / original tempo exactly, the knob shows the nearest
    // position, and the tool runs unless the box is at the original.
    void setTempoKnobValue(int value);
    void turnOnTempo(int on);
    void TSMActivated(bool active);
    void PSMActivated(bool active);
    void turnOnSSS(int on);
    void turnOnSSS(bool on);
    void updatePitchWidgets(QString objectName, float interpFactor);
    void setLRPerCent(int value);
    void fadeInTempoLabel();
    void fadeOutTempoLabel();
    void fadeTempoWidgets();

signals:
    void setHopFactor(float hopFactor);
    void activateTempo(bool activate);
    void changeMode(int index);
    void setInterpFactor(float interpFactor);
    void activatePitch(bool activate);
    void activateSSS(bool active);
    void widthChanged(int value);
    void separationChanged(int value);
    void azimuthChanged(int value);
    void filterChanged(int value);
    void setMuteSolo(bool mute);
    void setFilter(bool filter);
    void initChordTempo(float originalBPM, float currentBPM);
    void updateChordTempo(float tempo);
    void updateChordKeyShift(float keyShift);
    void initPitchSyncWidgetFromSession(float semitoneValue);

private:
    void initWidgets();
    void initLayout();
    void initConnections();
    void connectTempoKnobToHopFactor();
    // The tempo tool on or off as a control switches it (see above).
    void switchTempo(bool on);
    // A session's tempo waiting for the recording's: exact, or only the
    // whole BPM of older files (bpm 0: none).
    struct SessionTempo
    {
        float bpm = 0.0f;
        bool exact = false;
    };
    // A session's tempo against the known original tempo: played as the
    // box would play it, unless it is the stored knob's own tempo (exactly,
    // or cut to whole BPM in older files: a knob turn, which keeps the
    // knob's factor).
    void playSessionTempo(SessionTempo tempo);
    // The boxes showing one split pitch, publishing nothing.
    void showPitch(int semitones, int hundredths);

    SSSPlot* sssPlot = nullptr;
    IncrementWidget* bpmBox = nullptr;
    IncrementWidget* semitoneBox = nullptr;
    PowerButton* tempoPower = nullptr;
    PowerButton* pitchPower = nullptr;
    PowerButton* isolationPower = nullptr;
    float tempoFadeLevel = 0.0f;
    Slider* slider = nullptr;
    Knob* tempoKnob = nullptr;
    Knob* pitchKnob = nullptr;
    Knob* widthKnob = nullptr;
    Knob* separationKnob = nullptr;
    Knob* filterKnob = nullptr;
    PlotButton* muteSoloButton = nullptr;
    PlotButton* filterButton = nullptr;
    IncrementWidget* fineTuneBox = nullptr;
    IncrementWidget* modeBox = nullptr;
    QLabel* tempoLabels[3] = {};
    QTimer* fadeTimer = nullptr;
    int fadeCounter = 0;
    QMetaObject::Connection tempoKnobToHopFactor;
    SessionTempo waitingTempo;
};
