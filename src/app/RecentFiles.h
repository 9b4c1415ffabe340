// The "Recent files" submenu is the list itself: entries are actions whose
// text shows the full path (an "&" doubled, so it is no mnemonic) and whose
// data holds it, most recent first, then one separator and "&Clear Recent".
// Entries are compared by their paths; the settings keep the paths between
// runs. GUI thread.
#pragma once

#include <QString>
#include <QStringList>

class QAction;
class QMenu;

namespace RecentFiles {

// The path an entry stands for; the text of any other action.
QString pathOf(const QAction* action);

// Audio files: a full menu keeps 8 entries (a new file drops the oldest);
// a file already listed moves to the top. The menu ends with exactly one
// separator right above clearAction.
void addAudioFile(QMenu* menu, QAction* clearAction, const QString& path);

// Session files: a full menu keeps 9 entries; otherwise as for audio.
void addSessionFile(QMenu* menu, QAction* clearAction, const QString& path);

// The stored texts in order (no limit), skipping empty ones and the clear
// action's own texts; the menu is enabled when it got an entry. Then the
// separator and clearAction.
void restore(QMenu* menu, QAction* clearAction, const QStringList& stored);

// The paths to store: every entry in menu order, leaving out separators and
// any path containing the clear action's text.
QStringList texts(const QMenu* menu);

// Empties the menu (entries and separator go; clearAction, owned by the
// window, survives) and disables it.
void clear(QMenu* menu);

} // namespace RecentFiles
