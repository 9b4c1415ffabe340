// The strip of chord names under the waveform: one tag per run of beats
// with the same chord, aligned with the beats of the zoomed waveform,
// transposed by the chords tab's shift, marking the tag under the play
// position, and the entry to chord correction (right click on a tag).
//
// The waveform view creates it as its child (height 20, the zoomed
// waveform's x and width, so strip x and waveform x coincide), lends it the
// play line's x and hands it the model and the frame count. GUI thread only;
// the model's fields are read there, where they are written.
//
// Tags and the edit range are laid out from the model's current beats, the
// beat lead early. The player moves those beats in place when the beat-offset
// knob turns, so the knob's value only asks for a new layout: adding it
// again would move tags and beat dots twice.
#pragma once

#include "ChordLabel.h"

#include <QLabel>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>

class BeatLineWidget;
class CustomButton;
class EditBoundary;
class MetaData;
class QTimer;

class ChordsStrip : public QLabel
{
    Q_OBJECT

public:
    explicit ChordsStrip(QWidget* parent);

    void setMetaData(MetaData* model);
    void setSampleCount(int frames);
    // The play line's x in strip pixels; not owned, read on the GUI thread.
    void setPlayPosPtr(const float* x);
    // A new file: no tags, no shift, and any correction ends; the popup is
    // told through chordEditAborted() so that it closes without writing.
    void reset();

    // For the waveform view and the tests: what the strip shows.
    const QList<ChordLabel*>& chordLabels() const { return labels; }
    bool isEditing() const { return editing; }
    int getKeyShift() const { return keyShift; }
    int getSampleOffset() const { return sampleOffset; }
    BeatLineWidget* getBeatLine() const { return beatLine; }
    EditBoundary* getLeftBoundary() const { return leftBoundary; }
    EditBoundary* getRightBoundary() const { return rightBoundary; }
    CustomButton* getLeftHandle() const { return leftHandle; }
    CustomButton* getRightHandle() const { return rightHandle; }

public slots:
    // Rebuilds the tags from the model (a new analysis, the end of a
    // correction). Keeps the old tags while the model is not valid.
    void initChordStrip();
    // From the beat-offset knob (0 … 99): relayout only, see above.
    void repositionChords(int knobValue);
    void repositionChords();
    void setKeyShift(int shift);
    // A name moved by the chords tab's transposition and back by twice
    // shiftAmount; "-" for a name without root.
    QString getShiftedChordText(QString chordText, int shiftAmount);
    void deactivateAll();
    // Marks the tag under the play position (20 ms timer).
    void updatePlayPos();

    // The edit range around the tag under correction.
    void showEditLeftBoundary(ChordLabel* chordLabel);
    // Query of the edit popup: x = first beat, y = the beat after the last.
    QPoint getStartEndBeats();
    // From the beat line: a picked beat stops the tag's flashing (true).
    void stopEditLabelFlashing(bool stop);

signals:
    void showChordEdit(QString chordText, int num, ChordLabel* chordLabel);
    // false: auto-scroll off; true: on.
    void stopScrolling(bool on);
    void changeSingleChordDot(QString chord);
    // Query answered by the chords tab: the index of a chord name shifted
    // by the given semitones.
    int getShiftedChordIndex(QString chord, int shift);
    // reset() ended a correction under way: the popup must close without
    // writing (the waveform view connects it to
    // SingleChordEditWidget::abortChordEdit()).
    void chordEditAborted();

protected:
    // The drag of a range handle: moves reach the strip once the pointer
    // has left the pressed handle.
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void initWidgets();
    void initLayout();
    void initConnections();

    void layoutTags();
    // Hides range, handles and beat line, clears the beat line's indexes
    // and stops every tag's flashing.
    void endCorrection();
    void removeTags();
    // The range's ends moved: the tag covers them, the beat line shows them.
    void stretchEditLabel();

    QTimer* playTimer = nullptr;
    MetaData* metaData = nullptr;
    int sampleCount = 0;
    QList<ChordLabel*> labels;
    int sampleOffset;
    bool firstLayout = true;
    EditBoundary* leftBoundary = nullptr;
    EditBoundary* rightBoundary = nullptr;
    QPointer<ChordLabel> editLabel;
    bool editing = false;
    BeatLineWidget* beatLine = nullptr;
    CustomButton* leftHandle = nullptr;
    CustomButton* rightHandle = nullptr;
    const float* playPos = nullptr;
    int keyShift = 0;
    // The tag's edges when the range was set up: a handle only drags
    // outward from them.
    int dragLeft = 0;
    int dragWidth = 0;
    // The range's ends in strip pixels (the left boundary's width, the
    // right one's x), kept here as well: a widget cannot be narrower than
    // 0, while the first tag begins left of the strip.
    int rangeLeft = 0;
    int rangeRight = 0;
};
