// A dial drawn as one frame of a vertical picture strip per value. Dragging
// up raises the value one step per pixel; the reset gesture restores the
// reset value. Owners connect to its signals; it knows nothing of meaning.
#pragma once

#include "PictureStrip.h"
#include "PointerGesture.h"

#include <QDial>
#include <QString>

class Knob : public QDial
{
    Q_OBJECT

public:
    explicit Knob(QWidget* parent);

    // Large: 85 × 85 strip of 200 frames, value set to 49. Small: 64 × 64.
    void setKnobSize(bool large);
    void setPixmap(const QPixmap& pixmap);
    void setResetValue(int value);
    void reset();

public slots:
    void increment();
    void decrement();
    void moveImage(int value);
    void setSyncValueSlot(int value);

signals:
    void resetKnob();
    void setSyncValueSignal(QString objectName, int value);
    void knobEntered();
    void knobExited();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    VerticalDrag drag;
    PictureStrip strip;
    int resetValue = 0;
};
