// The context menu of one riff step, over the jam tab's step row: the
// step's pitch box (whole semitones, −12 … +12), a close spot, and a top
// band that repeats the step row, where a press opens the menu of the step
// under the pointer. A "1st" button (reordering the riff from this step)
// exists but is never shown.
#pragma once

#include "StepBox.h"

#include <QWidget>

class CustomButton;
class QPushButton;

// The pitch box of one step. A change sends the ratio 2^(semitones / 12)
// with the step; so do a press in the middle, a wheel event at a limit and
// the reset gesture (back to 0).
class ContextPitchWidget : public StepBox
{
    Q_OBJECT

public:
    ContextPitchWidget(QWidget* parent, int step);

    float getPitchInterp() const { return pitchInterp; }
    float getPitchSemitone() const { return pitchSemitone; }
    // Session: the stored values, nothing sent (the loader sets the riff's
    // ratio itself).
    void setPitchInterp(float interp);
    void setPitchSemitone(float semitones);
    // 0 semitones, ratio 1.0, and says so.
    void reset();

signals:
    void contextPitchChanged(float interp, int step);

protected:
    void stepPressed(Area area) override;
    void wheelStep(int delta) override;
    void resetGesture() override;
    void paintValue(QPainter& painter) override;

private:
    void changeBy(int semitones);

    float pitchInterp = 1.0f;
    float pitchSemitone = 0.0f;
    const int step;
};

class StepContextMenu : public QWidget
{
    Q_OBJECT

public:
    static constexpr int menuWidth = 128;
    static constexpr int menuHeight = 160;
    // Presses at y up to this (rounded) fall in the top band.
    static constexpr int topBandBottom = 32;

    StepContextMenu(QWidget* parent, int step);

    int getStep() const { return step; }

    QPushButton* firstButton = nullptr;
    ContextPitchWidget* pitchWidget = nullptr;
    CustomButton* closeButton = nullptr;

signals:
    void contextPitchChanged(float interp, int step);
    // The menu of step `index` of the same riff; may lie outside 0 … 15.
    void showDifferentContextMenu(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void initWidgets();
    void initConnections();

    const int step;
};
