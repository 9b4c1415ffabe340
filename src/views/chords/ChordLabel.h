// One name tag of the chord strip: a run of consecutive beats with the
// same chord. A right click (or a left click with exactly Control, Qt's
// Meta) starts a correction of it; while under correction it flashes.
// A child of the strip; GUI thread only.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class MetaData;
class QTimer;

class ChordLabel : public QWidget
{
    Q_OBJECT

public:
    // text: the chord as analysed; samples: of the run's first beat and of
    // the beat after its last; beats: the run.
    explicit ChordLabel(QWidget* parent, QString text = QString(), int startSample = 0, int endSample = 0,
                        int firstBeat = 0, int beatCount = 1, MetaData* metaData = nullptr);

    // The shown name moved back to the untransposed key: the strip's answer
    // for (shownText, the shift this tag last applied). Corrections store it.
    QString getUnshiftedText();
    // Shows t (a chord chosen in the popup) and hands it to the beat line.
    void changeText(QString t);

    // The strip's key shift: shownText becomes shiftedText (or the analysed
    // name at shift 0) and the shift is kept for getUnshiftedText().
    void applyKeyShift(int shift, const QString& shiftedText);
    // The samples of the run's beats at the last layout (the model's beats
    // move with the beat-offset knob).
    void setSamples(int start, int end);
    // The play mark; repaints only when it changes.
    void setPlaying(bool on);
    // A picked beat stops the flashing (full opacity); clearing the pick
    // starts it again, falling first.
    void pauseFlashing();
    void resumeFlashing();

    int getFirstBeat() const { return firstBeat; }
    int getBeatCount() const { return beatCount; }
    int getStartSample() const { return startSample; }
    int getEndSample() const { return endSample; }
    QString getShownText() const { return shownText; }
    QString getBaseText() const { return baseText; }
    float getOpacity() const { return opacity; }
    bool isFlashing() const;
    bool isEditing() const { return editing; }
    bool isPlaying() const { return playing; }
    QColor getColour() const { return colour; }

public slots:
    // One 40 ms step of the flashing between 0.5 and 1.0.
    void flash();
    // Ends this tag's correction, if it was under one (flashing, or held
    // still by a picked beat).
    void deactivate();

signals:
    // x: the tag's left edge in the waveform view (the strip's parent).
    void showChordEdit(QString chordText, int x, ChordLabel* editLabel);
    void showEditLeftBoundary(ChordLabel* chordLabel);
    void deactivateAll();
    void setBeatLineWidgetText(QString chordText);
    // Query answered by the strip.
    QString getShiftedChordText(QString chordText, int shiftAmount);
    // false: auto-scroll goes off while correcting.
    void stopScrolling(bool stopScroll);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    MetaData* metaData;
    int startSample;
    int endSample;
    QString shownText;
    QString baseText;
    int firstBeat;
    int beatCount;
    QTimer* flashTimer;
    float opacity = 1.0f;
    bool rising = false;
    bool editing = false;
    QColor colour;
    int keyShift = 0;
    bool playing = false;
};
