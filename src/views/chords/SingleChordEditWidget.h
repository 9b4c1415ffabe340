// The popup that corrects the chord of a tag of the chord strip: 84 dots,
// twelve roots by seven qualities, with the chord in force lit, and three
// buttons. Replace rewrites the tag's beats, a dragged range or one picked
// beat; replace all renames every beat with the tag's analysed chord;
// cancel writes nothing. Replacing has the analysis cache written again and
// the strip and the detected-chord grid rebuilt.
//
// A child of the waveform view, which creates it hidden, places it beside
// the tag and relays it to the strip. GUI thread only, where it is the
// model's only writer of the chord lists.
#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>

class ChordLabel;
class CustomButton;
class Dot;
class MetaData;

class SingleChordEditWidget : public QLabel
{
    Q_OBJECT

public:
    explicit SingleChordEditWidget(QWidget* parent);

    void initMetaData(MetaData* model);

    // The tag under correction; the view places the popup beside it. Null
    // once the tag is gone (a rebuild or a new file deleted it): the buttons
    // then only close the popup.
    QPointer<ChordLabel> editLabel;

    // For the view and the tests.
    const QList<Dot*>& chordDots() const { return dots; }
    QString getCurrentChord() const { return currentChord; }
    CustomButton* getCancelButton() const { return cancelButton; }
    CustomButton* getReplaceButton() const { return replaceButton; }
    CustomButton* getReplaceAllButton() const { return replaceAllButton; }

public slots:
    // Marks chordText, keeps the tag and the auto-scroll state to restore
    // (!autoScrollOff) and shows itself; the int is not read.
    void showChordEdit(QString chordText, int num, ChordLabel* label, bool autoScrollOff);
    // Lights the dot of chord, in either spelling of its root (none for a
    // name without chord).
    void changeChord(QString chord);
    // A dot was pressed: it alone is lit and the tag shows its name.
    void setSelected(Dot* dot);
    void replaceChord();
    void replaceAllChords();
    void cancel();
    // A new file is being opened: closes without writing or rebuilding.
    // The strip's chordEditAborted() reaches it.
    void abortChordEdit();

signals:
    // Query answered by the strip: x = first beat, y = the beat after the last.
    QPoint getStartEndBeats();
    // Writes the analysis cache of the open file.
    void saveTBM();
    void reInitChordStrip();
    void reInitDetectedChordsWidget();
    // true: auto-scroll on again.
    void resetScroll(bool scrolling);

private:
    void initWidgets();
    void initLayout();
    void initConnections();
    // Hidden, no chord in hand.
    void closePopup();

    QPixmap dotPixmap;
    QList<Dot*> dots;
    CustomButton* cancelButton = nullptr;
    CustomButton* replaceButton = nullptr;
    CustomButton* replaceAllButton = nullptr;
    QString currentChord;
    MetaData* metaData = nullptr;
    bool restoreScroll = false;
};
