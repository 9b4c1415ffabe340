#include "SettingsStore.h"

namespace SettingsStore {

namespace {

QString& redirectedFile()
{
    static QString file;
    return file;
}

} // namespace

std::unique_ptr<QSettings> open()
{
    if (!redirectedFile().isEmpty())
        return std::make_unique<QSettings>(redirectedFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Halvarine"), QStringLiteral("Tonbrook"));
}

void redirectTo(const QString& iniFile)
{
    redirectedFile() = iniFile;
}

Redirect::Redirect(const QString& iniFile) : previous_(redirectedFile())
{
    redirectTo(iniFile);
}

Redirect::~Redirect()
{
    redirectTo(previous_);
}

} // namespace SettingsStore
