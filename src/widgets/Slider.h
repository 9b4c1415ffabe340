// A horizontal slider drawn as one 350 × 24 frame of a picture strip per
// value. A press or drag puts the value under the pointer; the reset gesture
// centres it.
#pragma once

#include "PictureStrip.h"

#include <QSlider>

// The value under pointer x of a slider `width` pixels wide, before the
// slider clamps it: 0 at x = 23 and 99 at x = 324 for the 350-pixel slider.
int sliderValueForX(int x, int width);

class Slider : public QSlider
{
    Q_OBJECT

public:
    explicit Slider(QWidget* parent);

    // Sets 50 (the reset gesture gives maximum / 2, which is 49).
    void reset();

public slots:
    void moveImage(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    PictureStrip strip;
};
