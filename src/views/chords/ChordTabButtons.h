// The small controls of the chords tab's neck column and grid: the neck-wood
// box, the open/power pair, the grid's scroll arrows and the chord filter's
// opener. GUI thread only.
#pragma once

#include "CustomButton.h"
#include "StepBox.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QRect>
#include <QString>

// The +/- box that picks the neck wood 0 wire, 1 ebony, 2 alder, 3 maple,
// stepping round at both ends. A press steps once (no auto-repeat); the
// reset gesture gives wire.
class NeckTypeWidget : public StepBox
{
    Q_OBJECT

public:
    explicit NeckTypeWidget(QWidget* parent);

    // Stores the neck (0 … 3; anything else counts as 0, wire), emits
    // neckTypeChanged with it and repaints.
    void setNeckType(int neckType);
    int neckType() const { return index; }

signals:
    void neckTypeChanged(int index);

protected:
    void stepPressed(Area area) override;
    void wheelStep(int delta) override;
    void resetGesture() override;
    // The four dots, the neck's own lit.
    void paintValue(QPainter& painter) override;

private:
    void step(int direction);

    int index = 0;
};

// One of the pair that switches between open and power chord shapes: lit
// (frame offset 0) or unlit (18). Only a press on the unlit button acts.
class ChordTypeButton : public QAbstractButton
{
    Q_OBJECT

public:
    // open: the open button (lit at start); else the power button.
    ChordTypeButton(QWidget* parent, bool open);

    bool isLit() const { return offset == 0; }
    // Lights or unlights it without a signal (a session restore).
    void setLit(bool lit);

public slots:
    void animateButtonPress();
    void disableButton();

signals:
    void useOpenChords();
    void usePowerChords();
    void setChordType(int type);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool open;
    QPixmap strip;
    int offset;
};

// A scroll arrow of the grid: auto-repeats every 50 ms while held.
class ChordsScrollButton : public QAbstractButton
{
    Q_OBJECT

public:
    ChordsScrollButton(QWidget* parent, bool up);

    bool isShownPressed() const { return offset != 0; }

public slots:
    void animateButtonPress();
    void animateButtonRelease();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool up;
    QPixmap strip;
    int offset = 0;
};

// Opens the chord filter: a two-frame picture (up, pressed) with a funnel
// at its left, and the button's text written over the rest, so that the
// text can be translated. 74 × 17.
class FilterOpener : public CustomButton
{
    Q_OBJECT
    // Read by the check that the translated text fits.
    Q_PROPERTY(QRect textArea READ textArea)

public:
    static constexpr int openerWidth = 74;
    static constexpr int openerHeight = 17;
    // Where the text goes: right of the funnel, to the plate's end.
    static constexpr int textLeft = 16;
    static constexpr int textRight = 2;

    explicit FilterOpener(QWidget* parent);

    // The rectangle the text is centred in.
    QRect textArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
