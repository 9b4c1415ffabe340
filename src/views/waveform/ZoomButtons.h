// The 43 × 18 zoom picture of the waveform area: a left press on its left
// half asks for one step out, on its right half (from the middle column
// on) one step in.
#pragma once

#include <QWidget>

class ZoomButtons : public QWidget
{
    Q_OBJECT

public:
    explicit ZoomButtons(QWidget* parent);

    bool isPlusDown() const { return plusDown; }
    bool isMinusDown() const { return minusDown; }

signals:
    // +120 one step in, −120 one step out: a wheel notch's value.
    void zoom(int value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool plusDown = false;
    bool minusDown = false;
};
