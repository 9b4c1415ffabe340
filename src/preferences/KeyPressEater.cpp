#include "KeyPressEater.h"

#include "KeyTexts.h"

#include <QEvent>
#include <QKeyEvent>

KeyPressEater::KeyPressEater(QObject* parent) : QObject(parent) { }

bool KeyPressEater::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (keyEvent->key() == Qt::Key_Escape)
        return false;
    // Ctrl pressed on its way to Ctrl+O would otherwise show as a
    // combination of its own for a moment, and could be assigned.
    if (!KeyTexts::isModifierKey(keyEvent->key()))
        emit keyPressed(KeyTexts::captured(keyEvent->key(), keyEvent->modifiers()));
    // The override is accepted, so no shortcut takes the key meanwhile.
    event->accept();
    return true;
}
