// The mouse gestures shared by the picture controls and the value boxes.
#pragma once

#include <QPoint>

class QMouseEvent;

// The reset gesture: exactly the right button held, or exactly the left
// button held with exactly the Meta modifier.
bool isResetGesture(const QMouseEvent& event);

// Exactly the left button held (no other button), whatever the modifiers.
bool onlyLeftHeld(const QMouseEvent& event);

// A vertical drag in whole pixels: each step reports how far the pointer
// went up since the last one (up is positive), so a control clamped at its
// end follows the pointer back at once instead of owing the overshoot.
class VerticalDrag
{
public:
    void start(const QPoint& position) { last = position; }
    int stepTo(const QPoint& position)
    {
        const int up = last.y() - position.y();
        last = position;
        return up;
    }

private:
    QPoint last;
};
