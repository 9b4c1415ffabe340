#include "PointerGesture.h"

#include <QMouseEvent>

bool isResetGesture(const QMouseEvent& event)
{
    if (event.buttons() == Qt::RightButton)
        return true;
    return event.buttons() == Qt::LeftButton && event.modifiers() == Qt::MetaModifier;
}

bool onlyLeftHeld(const QMouseEvent& event)
{
    return event.buttons() == Qt::LeftButton;
}
