// The loop-length ruler under a riff's step row: sixteen 30-pixel cells, a
// bar up to the loop's last step and a ball at its end. A press or drag
// sets where the loop ends; with Command, or dragged beyond the riff's last
// step, it grows or cuts the riff (jam::LoopRuler holds the rules).
#pragma once

#include "JamRules.h"
#include "PictureStrip.h"

#include <QWidget>

class LoopLengthWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int rulerWidth = 480;
    static constexpr int rulerHeight = 10;

    explicit LoopLengthWidget(QWidget* parent);

    int getValue() const { return ruler.value(); }
    int getMaxValue() const { return ruler.maxValue(); }
    // Session: both values (0 … 15), then the loop ends at the value.
    void setFromSession(int value, int maxValue);
    // Back to 0 and 0, without telling anyone.
    void reset();

public slots:
    // The loop ends at `value` (0 … 15); the maximum rises to it.
    void setValue(int value);
    // Query: the maximum; the argument is not read.
    int getMaxLoopValue(int = 0) const { return ruler.maxValue(); }

signals:
    void setLoopLength(int steps);
    void extendLoop(int steps);
    // Query, answered by the riff's step row: presses wait for it.
    bool firstStepSet();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void tell(const jam::LoopRuler::Events& events);

    PictureStrip rulerPicture;
    PictureStrip ballPicture;
    jam::LoopRuler ruler;
};
