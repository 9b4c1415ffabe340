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
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget* widget, QPoint pos, Qt::MouseButtons buttons,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    // The button causing the press: the left one when several are held.
    const Qt::MouseButton button = (buttons & Qt::LeftButton)    ? Qt::LeftButton
                                   : (buttons & Qt::RightButton) ? Qt::RightButton
                                   : (buttons & Qt::MiddleButton) ? Qt::MiddleButton
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

// One notch is 120 eighths of a degree.
inline void wheel(QWidget* widget, int notches)
{
    const QPointF pos(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(pos, QPointF(widget->mapToGlobal(pos.toPoint())), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}
