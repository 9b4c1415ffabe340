#include "KeyTexts.h"

namespace KeyTexts {

namespace {

const QLatin1String ctrlWord("CTRL");
const QLatin1String metaWord("META");

// Qt reads unknown names as one unknown key, which prints as nothing.
bool namesKeys(const QKeySequence& keys)
{
    return !keys.isEmpty() && !keys.toString(QKeySequence::PortableText).isEmpty();
}

} // namespace

QString captured(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers kept =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return QKeySequence(int(kept) | key).toString(QKeySequence::PortableText);
}

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
    case Qt::Key_unknown:
    case 0:
        return true;
    default:
        return false;
    }
}

QString displayFromCaptured(const QString& captured)
{
    QString text = captured.toUpper();
    text.replace(ctrlWord, commandSign());
    text.replace(metaWord, ctrlWord, Qt::CaseInsensitive);
    return text;
}

QString storedFromDisplay(const QString& display)
{
    QString text = display;
    return text.replace(ctrlWord, metaWord);
}

QString loadedFromStored(const QString& stored)
{
    QString text = stored;
    return text.replace(ctrlWord, commandSign());
}

QString keySequenceText(const QString& text)
{
    QString result = text;
    result.replace(ctrlWord, metaWord);
    result.replace(commandSign(), ctrlWord);
    return result;
}

QKeySequence keySequence(const QString& text)
{
    return QKeySequence(keySequenceText(text), QKeySequence::PortableText);
}

QString shown(const QString& text)
{
    const QKeySequence keys = keySequence(text);
    if (namesKeys(keys))
        return keys.toString(QKeySequence::NativeText);
    QString result = text;
    result.replace(ctrlWord, QStringLiteral("Meta"));
    result.replace(commandSign(), QStringLiteral("Ctrl"));
    return result;
}

bool sameKeys(const QString& a, const QString& b)
{
    const QKeySequence keysA = keySequence(a);
    const QKeySequence keysB = keySequence(b);
    if (!namesKeys(keysA) || !namesKeys(keysB))
        return !namesKeys(keysA) && !namesKeys(keysB) && a.compare(b, Qt::CaseInsensitive) == 0;
    return keysA == keysB;
}

} // namespace KeyTexts
