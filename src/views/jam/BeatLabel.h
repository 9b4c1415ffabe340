// One step of a riff: a band over the beat it plays, on the riff's overlay
// (BeatSelection, its parent). The step's data live in the overlay's
// RiffModel; the label shows them and turns the mouse into edits: a drag
// moves the step (with Command, the whole riff), a double click arms or
// commits it. While the step plays, a line sweeps across it.
#pragma once

#include <QLabel>

#include <atomic>

class RiffModel;
class QTimer;

class BeatLabel : public QLabel
{
    Q_OBJECT

public:
    BeatLabel(int step, QWidget* parent);

    // Done by the overlay right after construction; the model outlives
    // the label.
    void bindModel(RiffModel* model);

    // The player's play position in samples; read every 5 ms while the
    // step plays. Null reads as 0.
    void initPos(const std::atomic<float>* playPosition);
    void initSampleCount(int frames);

    // The step's fields, as stored (the session writes them).
    int getStep() const { return step; }
    int getState() const;
    int getBeat() const;
    int getStartSample() const;
    int getEndSample() const;

    // 0 unused (hidden; beat and samples 0), 1 armed, 2 in the loop, 3 in
    // use outside the loop (shown). Other values are stored, nothing else.
    void setState(int state);
    // Stores beat and samples, then the state.
    void setBeat(int state, int beat, int startSample, int endSample);
    // Unused, beat and samples 0, hidden.
    void reset();
    // Shows or hides the label for a state written to the model.
    void showState(int state);

    // The play line: runs while on; off leaves it at the right edge.
    void setAnimated(bool on);
    bool isAnimated() const { return animated; }
    int getPlayLineX() const { return playLineX; }

public slots:
    void animate();
    // Asks the overlay to reorder the riff from this step.
    void reOrder();

signals:
    // A drag to overlay x; allSteps while exactly Command is held.
    void scrollBeat(BeatLabel* beatLabel, int amount, bool ctrlPressed);
    // A double click re-armed the step.
    void setActiveStep(int step);
    // A double click committed the armed step.
    void commitStep();
    void setFirst(int step, int beat);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void initWidgets();

    QTimer* animationTimer = nullptr;
    const int step;
    QLabel* numberLabel = nullptr;
    bool animated = false;
    const std::atomic<float>* playPosition = nullptr;
    int sampleCount = 0;
    int playLineX = 0;
    RiffModel* model = nullptr;
};
