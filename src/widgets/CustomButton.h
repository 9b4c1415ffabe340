// A push button that draws nothing but one frame of a two-frame picture
// strip: frame 0 up, frame 1 down (or latched, for a checkable button).
// Only the left button counts; the frame changes only through the mouse
// handlers and latch()/unlatch(), so auto-repeat keeps the down frame.
#pragma once

#include "PictureStrip.h"

#include <QPushButton>

class CustomButton : public QPushButton
{
    Q_OBJECT

public:
    // The owner gives the button a fixed size equal to one frame.
    CustomButton(const QPixmap& strip, QWidget* parent, bool latching);

    // 1 while the down frame shows (pressed or latched), else 0.
    int frame() const { return shownFrame; }

public slots:
    void latch();
    void unlatch();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PictureStrip strip;
    int shownFrame = 0;
};
