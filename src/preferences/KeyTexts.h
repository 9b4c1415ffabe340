// The three written forms of a key combination the shortcut editor keeps,
// and the conversions between them. Pure functions.
//
//   form          where                               Ctrl key   Meta key
//   key sequence  what QKeySequence reads (portable)  "CTRL"     "META"
//   display       the editor's own texts and defaults "⌘"        "CTRL"
//   stored        the settings list                   "⌘"        "META"
//
// The display and stored forms name Qt's Control modifier "⌘" (the Command
// key where the texts come from), so lists written elsewhere load
// unchanged. On Linux Qt's Control is the Ctrl key and its Meta the Super
// key; what the page shows is therefore shown(): the key sequence in the
// platform's own names ("Ctrl+O", "Meta+A"), never "⌘".
//
// Key sequences are always read and written in Qt's portable format: the
// native format follows the installed Qt translation ("Strg" in German),
// so texts read through it would stop matching once a translation is in.
#pragma once

#include <QKeySequence>
#include <QString>
#include <Qt>

namespace KeyTexts {

// U+2318, the sign the display and stored forms use for Qt's Control.
inline QString commandSign()
{
    return QString(QChar(0x2318));
}

// A key press as a key-sequence text: Qt's portable names in Qt's modifier
// order ("Ctrl+Shift+O"). Keypad and group-switch modifiers are dropped.
QString captured(int key, Qt::KeyboardModifiers modifiers);

// Keys that only modify others: pressed alone they name no combination.
bool isModifierKey(int key);

// Captured to display: upper case, then every "CTRL" becomes the sign,
// then every "META" (any case) becomes "CTRL".
QString displayFromCaptured(const QString& captured);

// Display to stored: every "CTRL" (exact case) becomes "META".
QString storedFromDisplay(const QString& display);

// A stored text as the editor holds it after loading: every "CTRL" (exact
// case) becomes the sign; "META" stays.
QString loadedFromStored(const QString& stored);

// Display or stored text to key-sequence text: every "CTRL" becomes
// "META", then the sign becomes "CTRL"; a "META" already there stays.
QString keySequenceText(const QString& text);
QKeySequence keySequence(const QString& text);

// What the page shows for a display or stored text: the key sequence in
// the platform's names. A text Qt reads as no key is shown with only the
// two modifiers renamed.
QString shown(const QString& text);

// Whether two display or stored texts name the same keys: compared as key
// sequences, so "CTRL+A" (display) and "META+A" (stored) agree and letter
// case does not count. Texts that are no key sequence compare as text,
// ignoring case.
bool sameKeys(const QString& a, const QString& b);

} // namespace KeyTexts
