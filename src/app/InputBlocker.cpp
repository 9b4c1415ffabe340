#include "InputBlocker.h"

#include <QCoreApplication>
#include <QEvent>

InputBlocker::InputBlocker()
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::FileOpen:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    if (!isUserInput(event))
        return QObject::eventFilter(watched, event);
    ++count_;
    // A refused close keeps the window open; the other events simply end here.
    if (event->type() == QEvent::Close)
        event->ignore();
    return true;
}
