// The settings store every part of the application reads and writes:
// organisation "Halvarine", application "Tonbrook", the platform's native
// format (an INI file below the user's configuration folder on Linux).
// Each read or write opens its own object, so nothing is cached between
// them. GUI thread only.
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace SettingsStore {

std::unique_ptr<QSettings> open();

// Every later open() uses this INI file instead of the user's store (tests,
// so that they never touch the user's settings); an empty path goes back to
// the user's store.
void redirectTo(const QString& iniFile);

// Redirects for its lifetime, then restores the previous store.
class Redirect
{
public:
    explicit Redirect(const QString& iniFile);
    ~Redirect();
    Redirect(const Redirect&) = delete;
    Redirect& operator=(const Redirect&) = delete;

private:
    QString previous_;
};

} // namespace SettingsStore
