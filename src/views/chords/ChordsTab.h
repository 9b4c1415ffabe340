// The chords tab: the current and next chord as diagrams on a guitar neck,
// the grid of detected chords, the chord finder and the boxes for key shift,
// capo, tempo, neck wood and chord shapes. It owns the transposition of
// chord names that the chord strip asks for through a query signal.
//
// GUI thread only. The model's beat changes arrive queued from the playback
// thread; the tab reads the model's current beat when one arrives and acts
// only while the model is valid and the beat indexes its chord sequence.
// While nothing plays, the large diagrams follow the player's position
// instead (a stop, a seek, a session's position), which the tab asks for
// every 20 ms through getPlayPosition().
#pragma once

#include "ChordNames.h"

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QStringList>

class CapoWidget;
class ChordFilterWidget;
class ChordModesLabel;
class ChordModesWidget;
class ChordTypeButton;
class ChordWidget;
class ChordsContainer;
class ChordsScrollButton;
class FilterOpener;
class KeyShiftWidget;
class KeysLabel;
class KeysWidget;
class MetaData;
class NeckTypeWidget;
class QStackedWidget;
class QTimer;
class TempoWidget;

class ChordsTab : public QLabel
{
    Q_OBJECT

public:
    explicit ChordsTab(QWidget* parent);

    // Keeps the model (not owned) and follows its beat changes. Called once
    // at start-up, before any signal can arrive.
    void initMetaData(MetaData* model);
    // The selection's loop points in frames, owned by the waveform view
    // (not by the tab); NEXT follows the loop while looping is on.
    void initLoop(const int* start, const int* end);
    // Restores [openClosed, neckType, openContainerPos, powerContainerPos,
    // finderChord, capo], each as decimal text (no number reads as 0).
    // Chord type 1 is power, anything else open; the neck, finder chord and
    // capo are kept within their ranges (0 … 3, 0 … 83, 0 … 11) or 0.
    void setChordTabFromSession(QStringList list);
    // Prepares the tab for a newly opened recording: no shift, no capo, no
    // current chord, boxes and filter reset. Neck, chord type and finder
    // stay.
    void resetChordsTab();

    // 0 open chord shapes, 1 power chords.
    int getChordType() const { return chordType; }
    // 0 wire, 1 ebony, 2 alder, 3 maple.
    int getNeckType() const { return neckType; }
    // The transposition in force (key shift folded, capo fret).
    chordnames::Transposition transposition() const { return {keyShiftAmount, capoShift}; }

    // The children, owned by the tab, for the main window's wiring and for
    // the session writer.
    TempoWidget* tempoWidget;
    KeyShiftWidget* keyShiftWidget; // object name "keyShift"
    CapoWidget* capoWidget;
    NeckTypeWidget* neckTypeWidget;
    ChordWidget* currentChordWidget;
    ChordWidget* nextChordWidget;
    ChordWidget* finderChordWidget;
    ChordTypeButton* openChordsButton;
    ChordTypeButton* powerChordsButton;
    QLabel* beatsLabel;
    QStackedWidget* chordsStack; // page 0 the grids, page 1 the filter
    ChordsContainer* chordsContainer;
    ChordFilterWidget* chordFilterWidget;
    ChordsScrollButton* scrollUpButton;
    ChordsScrollButton* scrollDownButton;
    ChordModesWidget* chordModesWidget;
    ChordModesLabel* chordModesLabel;
    KeysWidget* keysWidget;
    KeysLabel* keysLabel;
    // Opens the filter page; hidden while the page is open.
    FilterOpener* filterButton;

public slots:
    // Moves the current and next diagrams and the beat count to the beat
    // now playing.
    void beatChanged();
    // The diagrams to the beat at the player's position, when that moved
    // to another beat; the 20 ms timer calls it.
    void followPlayPosition();
    // From the transport's loop button, and the loop points' changes: NEXT
    // names the chord after the loop's wrap.
    void setLooping(bool looped);
    void loopPointsChanged();
    // Rebuild the grids of detected chords from the model; a second call
    // gives the same result. The argument carries nothing.
    void initDetectedChords(int unused);
    void initDetectedChords();

    // Index of `chord` shifted by w - 2 × shiftAmount (see chordnames), -1
    // for a name without index. Answers the chord strip's name query.
    int getChordIndex(QString chord, int shiftAmount);
    int getChordIndex(QString chord);

    // From the key-shift box: keeps the key shift (folded once by 12),
    // tells the chord strip the new w and redraws the grid shifted.
    void setChordKeyShift(float shiftAmount);
    // From the capo box: keeps the fret, then as setChordKeyShift.
    void setCapoShift(float shiftDirection);
    // From the neck box: every diagram takes the neck (0 … 3).
    void changeNeckType(int neckType);
    // From the open/power pair.
    void setChordType(int chordType);
    // From the finder's rolls and panes: shows key + 12 × mode.
    void setFinderChord();

    // Page 1 of the stack, at a size that holds the filter panel.
    void openFilterWidget();
    // Back to the grid page; the scroll arrows show when the grid holds more
    // than two rows.
    void closeFilterWidget();

signals:
    // The whole-semitone shift w after every change of key shift or capo.
    void setChordStripKeyShift(int shiftAmount);
    // Query: the player's read position in frames. Unconnected, the
    // diagrams follow the model's beat changes only.
    int getPlayPosition();

protected:
    // A press on the tab, or on a child that passes it on, closes the
    // finder's panes and goes no further.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void initWidgets();
    void initConnections();
    // Every grid diagram shows its stored chord shifted by the current w.
    void shiftGrid();
    void showChordType(int type);
    ChordWidget* gridDiagram(const QString& name);
    bool modelReady() const;
    // The current and next diagrams and the count for beat c of the
    // sequence, shifted as the tab shifts now; the beat is kept.
    void showBeat(int c);
    // The beat shown again (new shift, chord type, loop or chords).
    void refreshBeat();

    MetaData* metaData = nullptr;
    int neckType = 0;
    int chordType = 0;
    float keyShiftAmount = 0.0f;
    float capoShift = 0.0f;
    // The beat the large diagrams show (-1: none), and the position and
    // beat the last poll found (a new file or new chords poll afresh).
    int shownBeat = -1;
    int polledPosition = -1;
    int polledBeat = -1;
    QTimer* positionTimer = nullptr;
    const int* loopStart = nullptr;
    const int* loopEnd = nullptr;
    bool looping = false;
    // The two chord sheets, shared by every diagram of the tab.
    QPixmap chordsPixmap;
    QPixmap powerChordsPixmap;
};
