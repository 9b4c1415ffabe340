// The step row of one riff in the jam tab: a press arms a cell (the riff's
// overlay places that step on the waveform) and a later press commits it;
// the armed cell blinks; the loop's steps are numbered in white and the
// playing step is marked. A right click or Control-click opens the step's
// context menu.
#pragma once

#include "PictureStrip.h"
#include "StepWidget.h"

class QTimer;

// The blinking marker of the armed cell, over the whole row.
class HighlightSteps : public QWidget
{
    Q_OBJECT

public:
    static constexpr int blinkIntervalMs = 700;

    explicit HighlightSteps(QWidget* parent);

    // Marks `cell`, shows and starts blinking.
    void mark(int cell);
    // Stops blinking and hides.
    void stop();
    bool isBlinking() const;
    int getArmedStep() const { return armedStep; }

    // Ticks the blink; the shell lends it to the riff's overlay too.
    QTimer* flashTimer = nullptr;

public slots:
    void flash();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int armedStep = 0;
    PictureStrip picture;
};

class RiffStep : public StepWidget
{
    Q_OBJECT

public:
    RiffStep(QWidget* parent, const QPixmap& stepPixmap);

    int getArmedStep() const { return armedStep; }
    // The jam tab's reset: no first step, nothing armed (the highlight
    // stops too, so no cell armed before a file open keeps blinking), one
    // white number, step 0 playing.
    void reset();

    HighlightSteps* highlight = nullptr;

public slots:
    // The overlay armed `step` (double click on the waveform).
    void setArmedStep(int step);
    // The overlay committed: the loop takes the step when it lies beyond
    // the ruler's maximum; nothing stays armed.
    void commitStep();
    void disarm(int = 0);
    bool firstStepSet() const { return firstStep; }

signals:
    void stepArmed(int step);
    void showStepSelection(int index);
    void lockSelection();
    void showContext(int step);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void arm(int cell);
    void commit();

    int armedStep = -1;
    bool firstStep = false;
};
