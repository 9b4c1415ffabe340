// Start-up: the interface language, the default save location and the
// order in which the application comes up.
#pragma once

#include "SingleInstance.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

class MainWindow;
class QTranslator;

// The default save location: the per-user data folder, taken before the
// application object exists, with "/Tonbrook" appended once by main_.
extern QString saveLocation;

// The translation to install: the stored code when there is one, otherwise
// the system language's code from the fallback table; empty or "en" means
// no translator.
QString languageCodeFor(const QString& storedCode, QLocale::Language systemLanguage);

// The sixteen codes with a translation of our own, in the fallback table's
// order: ":/translations/tonbrook_" + code + ".qm".
QStringList translatedLanguageCodes();

// The name of Qt's own translation for a code ("qt_de" for "de"), for the
// standard buttons of dialogs and boxes; empty where Debian ships none.
QString qtTranslationName(const QString& code);

// Installs our translation for code, our translation of Qt's file dialog
// where we have one, and Qt's own beside them; nothing for an empty code
// or "en". Ours is installed even when it fails to load: the interface
// then stays English. Returns what it installed (children of the
// application).
QList<QTranslator*> installTranslators(const QString& code);

// Sets the environment variable the application needs for itself.
void setStartupEnvironment();

// What a later start says on stderr about its hand-over: empty when the
// running window took the request (it opens it, or says why not), the
// reason nothing was opened otherwise.
QString handOverMessage(SingleInstance::Role role);

// Called once the main window is shown, before the event loop runs: the
// end-to-end test drives the application from there.
using StartupObserver = std::function<void(MainWindow&)>;

// The application set-up after main: returns the event loop's exit code
// once the window has closed and the player, the analysis and the output
// have shut down. When the user's window already runs, hands it the
// command line's file instead and returns at once: 0 when it took the
// file, 1 when it did not answer.
int main_(int argc, char** argv, const StartupObserver& onShown = {});
