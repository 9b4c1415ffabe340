// The popup that corrects the chord of a tag of the chord strip.
// (Stand-in: the chord strip fills it in.)
#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>

class ChordLabel;
class MetaData;

class SingleChordEditWidget : public QLabel
{
    Q_OBJECT

public:
    explicit SingleChordEditWidget(QWidget* parent);

    void initMetaData(MetaData* model);
    // Marks chordText, keeps the tag and the auto-scroll state to restore
    // (!autoScrollOff) and shows itself; the int is not read.
    void showChordEdit(QString chordText, int num, ChordLabel* label, bool autoScrollOff);

    // The tag under correction; the view places the popup beside it.
    QPointer<ChordLabel> editLabel;

public slots:
    void changeChord(QString chord);

signals:
    void reInitChordStrip();
    QPoint getStartEndBeats();
    void resetScroll(bool scrolling);

private:
    MetaData* metaData = nullptr;
    bool restoreScroll = false;
};
