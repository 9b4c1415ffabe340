// The 400 × 12 strip that fills from the left while a long operation runs
// on the GUI thread (decoding, drawing the waveform, an export). Each value
// repaints at once and lets pending events run, so the strip moves and the
// timers and input stay alive inside the caller's loop. GUI thread only.
#pragma once

#include <QPixmap>
#include <QWidget>

class ProgressBar : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressBar(QWidget* parent);

    float percentage() const { return pc; }

    // The value at and above which the strip hides.
    static constexpr float maxPc = 99.0f;

public slots:
    // Shows the strip for a value strictly between 0 and 99, hides it and
    // returns to 0 at 99 or more. Callers send whole percents.
    void updatePercentage(float pc);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float pc = 0.0f;
    QPixmap barPixmap;
};
