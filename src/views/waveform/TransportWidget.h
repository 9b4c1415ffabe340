// The transport bar under the waveform: five picture buttons (loop, back,
// play, forward, stop), the volume and metronome knobs with the metronome
// light, and a clock with the play position and the recording's length.
// It decides nothing about playback: the main window connects its buttons
// and knobs to the player and hands it the play position, the sample rate
// and each recording's length. A greyed cover lies over the buttons while
// a riff or a song plays.
//
// "play" and "stop" act only on a release over them: a drag off either
// while pressed emits nothing (a standard button would report released()
// and toggle playback, leaving the play latch out of step with the
// player). "fwd" and "back" repeat every 50 ms while held.
// GUI thread only.
#pragma once

#include <QLabel>

#include <atomic>

class CustomButton;
class Knob;
class QTimer;

// The cover over the buttons: takes their mouse, shows no tool tip.
class GreyedButtons : public QLabel
{
public:
    explicit GreyedButtons(QWidget* parent);

protected:
    bool event(QEvent* event) override;
};

class TransportWidget : public QLabel
{
    Q_OBJECT

public:
    explicit TransportWidget(QWidget* parent);

    // The player's published position in frames (relaxed loads; a null
    // pointer reads 0).
    void setTimePtr(const std::atomic<float>* position);
    // The file's rate, before setMaxTime.
    void setSampleRate(int sampleRate);
    // The recording's length in frames: the clock's total.
    void setMaxTime(int frames);

    // The clock's rich text as shown.
    QString clockText() const;

    // Holder, backing picture and cover of the button row share this size.
    static const QSize buttonRowSize;

    CustomButton* playButton = nullptr;
    CustomButton* stopButton = nullptr;
    CustomButton* fwdButton = nullptr;
    CustomButton* backButton = nullptr;
    CustomButton* loopButton = nullptr;
    CustomButton* cuefButton = nullptr;
    CustomButton* cuebButton = nullptr;
    Knob* volumeKnob = nullptr;
    Knob* metronomeKnob = nullptr;

    QWidget* buttonHolder = nullptr;
    QLabel* buttonBacking = nullptr;
    GreyedButtons* greyedButtons = nullptr;
    QLabel* redLight = nullptr;

public slots:
    void updateTime();
    void setGreyedButtonsHidden(bool hidden);
    // Lights the metronome for 200 ms from the latest call.
    void flashMetronome();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void initWidgets();
    void initLayout();
    CustomButton* makeButton(const char* name, const char* picture, bool latching);

    QLabel* clockBacking = nullptr;
    QLabel* clockLabel = nullptr;
    QLabel* greyLight = nullptr;
    QLabel* volumeCaption = nullptr;
    QLabel* metronomeCaption = nullptr;
    const std::atomic<float>* timePosition = nullptr;
    QString totalText;
    QTimer* clockTimer = nullptr;
    QTimer* lightTimer = nullptr;
    int sampleRate = 44100;
};
