// One riff of the jam tab drawn over the waveform: a transparent overlay
// holding the riff's sixteen steps. (Stand-in: the riff model fills it in.)
#pragma once

#include <QWidget>

class BeatLabel;

class BeatSelection : public QWidget
{
    Q_OBJECT

public:
    static constexpr int stepCount = 16;

    explicit BeatSelection(QWidget* parent);

    // Frames of the open recording, handed on to the steps.
    void setSampleCount(int frames);
    // Clears the riff's steps (every file open, after setSampleCount).
    void resetBeatSelection();

    // beatLabels[i] is step i; children, owned.
    BeatLabel* beatLabels[stepCount] = {};

private:
    int sampleCount = 0;
};
