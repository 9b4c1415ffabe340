// The chords tab: the current and next chord as diagrams on a guitar neck,
// the grid of detected chords, the chord finder and the boxes for key shift,
// capo, tempo, neck wood and chord shapes. It owns the transposition of
// chord names that the chord strip asks for through a query signal.
// GUI thread only.
#pragma once

#include "ChordNames.h"

#include <QLabel>
#include <QString>

class ChordsTab : public QLabel
{
    Q_OBJECT

public:
    explicit ChordsTab(QWidget* parent);

    // The transposition in force (key shift folded, capo fret).
    chordnames::Transposition transposition() const { return {keyShiftAmount, capoShift}; }

public slots:
    // Index of `chord` shifted by w - 2 × shiftAmount (see chordnames), -1
    // for a name without index. Answers the chord strip's name query.
    int getChordIndex(QString chord, int shiftAmount);
    int getChordIndex(QString chord);

    // From the key-shift box: keeps the key shift (folded once by 12),
    // tells the chord strip the new w and redraws the grid.
    void setChordKeyShift(float shiftAmount);
    // From the capo box: keeps the fret, then as setChordKeyShift.
    void setCapoShift(float shiftDirection);

signals:
    // The whole-semitone shift w after every change of key shift or capo.
    void setChordStripKeyShift(int shiftAmount);

private:
    float keyShiftAmount = 0.0f;
    float capoShift = 0.0f;
};
