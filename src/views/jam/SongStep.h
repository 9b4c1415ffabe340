// The song row of the jam tab: sixteen slots, each empty ("-") or naming a
// riff "A" … "F", played in order by the player (SongSource). A press on a
// slot opens the riff chooser (SongStepSelector) through the jam tab; the
// wheel over a letter steps through the riffs. Every change re-emits the
// number of used slots.
#pragma once

#include "SongSlots.h"
#include "StepWidget.h"

#include <QLabel>
#include <QList>

class SongStepLabel : public QLabel
{
    Q_OBJECT

public:
    static constexpr int labelWidth = 18;
    static constexpr int labelHeight = 20;

    SongStepLabel(QWidget* parent, int index);

    int getRiff() const { return riff; }

    // Shows the letter of the riff, then tells the row (always, even when
    // the riff did not change).
    void setLetter();
    // riff = the argument (outside −1 … 5: empty), then setLetter().
    void setLetter(int riff);

public slots:
    void setRiffFromMenu(int riff);

signals:
    void setRiff(int riffIndex, int stepIndex);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int riff = SongSource::emptySlot;
    const int index;
};

// The pop-up riff chooser of one song slot: the six letters, the one under
// the pointer highlighted; a press chooses it.
class SongStepSelector : public QLabel
{
    Q_OBJECT

public:
    static constexpr int menuWidth = 45;
    static constexpr int menuHeight = 132;

    explicit SongStepSelector(QWidget* parent);

    int getStep() const { return step; }
    int getRow() const { return row; }
    QPoint highlightPos() const;

public slots:
    void showMenu(int step);

signals:
    // The chosen riff for song slot `step`.
    void setRiff(int riff, int step);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QLabel* highlightLabel = nullptr;
    int step = -1;
    int row = 0;
};

class SongStep : public StepWidget, public SongSource
{
    Q_OBJECT

public:
    SongStep(QWidget* parent, const QPixmap& stepPixmap);

    // SongSource: the player reads the slots through it.
    int riffAt(int slot) const override;
    // The slots in play order, −1 for an empty one.
    QList<int> song() const;

    // Session: slot i takes entry i as a number (text that is none, or a
    // missing entry, is riff "A"; outside −1 … 5 the slot stays empty).
    void initFromSession(const QStringList& slotTexts);
    // Every slot empty, step 0 playing, one white number.
    void reset();

    SongStepLabel* songStepLabels[SongSource::slotCount] = {};

public slots:
    void setRiff(int riffIndex, int stepIndex);
    void setRiffFromMenu(int riffIndex, int stepIndex);

signals:
    void showSongMenu(int step);
    void stopSongPlayback();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void initWidgets();
    void initLayout();
    void initConnections();

    SongSlots songSlots;
};
