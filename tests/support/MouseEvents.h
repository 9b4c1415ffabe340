// Mouse and wheel events with every field chosen by the test (QTest's
// helpers cannot hold two buttons at once or press with no button held).
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

inline void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget* widget, QPoint pos, Qt::MouseButtons buttons,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    // The button causing the press: the left one when several are held.
    const Qt::MouseButton button = (buttons & Qt::LeftButton) ? Qt::LeftButton
        : (buttons & Qt::RightButton)                         ? Qt::RightButton
        : (buttons & Qt::MiddleButton)                        ? Qt::MiddleButton
                                                              : Qt::NoButton;
    sendMouse(widget, QEvent::MouseButtonPress, pos, button, buttons, modifiers);
}

inline void move(QWidget* widget, QPoint pos, Qt::MouseButtons buttons)
{
    sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, buttons);
}

inline void release(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    sendMouse(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

// A vertical wheel turn of `delta` eighths of a degree at pos.
inline void sendWheel(QWidget* widget, QPoint pos, int delta)
{
    QWheelEvent event(QPointF(pos), QPointF(widget->mapToGlobal(pos)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

// One notch is 120 eighths of a degree.
inline void wheel(QWidget* widget, int notches)
{
    sendWheel(widget, QPoint(widget->width() / 2, widget->height() / 2), 120 * notches);
}

// The visible child of top under pos (or top itself), with pos mapped into
// it: where the window system delivers a pointer event. Events sent there
// propagate to the parents unless a widget stops them.
inline QWidget* widgetUnder(QWidget* top, QPoint& pos)
{
    QWidget* child = top->childAt(pos);
    if (!child)
        return top;
    pos = child->mapFrom(top, pos);
    return child;
}

inline void pressUnder(QWidget* top, QPoint pos, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = widgetUnder(top, pos);
    press(target, pos, buttons, modifiers);
}

inline void wheelUnder(QWidget* top, QPoint pos, int delta)
{
    QWidget* target = widgetUnder(top, pos);
    sendWheel(target, pos, delta);
}
