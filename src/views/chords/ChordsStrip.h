// The strip of chord names under the waveform: one tag per run of beats
// with the same chord. (Stand-in: the chord strip fills it in.)
#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

class MetaData;

// One tag of the strip.
class ChordLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ChordLabel(QWidget* parent);
};

class ChordsStrip : public QLabel
{
    Q_OBJECT

public:
    explicit ChordsStrip(QWidget* parent);

    void setMetaData(MetaData* model);
    void setSampleCount(int frames);
    // The play line's x in strip pixels; not owned, read on the GUI thread.
    void setPlayPosPtr(const float* x);
    void reset();

public slots:
    void initChordStrip();
    // Query of the edit popup: x = first beat, y = the beat after the last.
    QPoint getStartEndBeats();
    void setKeyShift(int shift);

signals:
    void showChordEdit(QString chordText, int num, ChordLabel* chordLabel);
    void stopScrolling(bool on);
    void changeSingleChordDot(QString chord);
    // Query answered by the chords tab: the index of a chord name shifted
    // by the given semitones.
    int getShiftedChordIndex(QString chord, int shift);

private:
    MetaData* metaData = nullptr;
    int sampleCount = 0;
    const float* playPos = nullptr;
    int keyShift = 0;
};
