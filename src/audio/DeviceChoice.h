// Finding an output device by name, as the settings and the preferences
// store it.
#pragma once

#include <QString>
#include <QStringList>

// Index of deviceName in names: " (Default)" is removed, then the first
// entry equal to it or containing it wins (case-sensitive); -1 if none.
// An empty name finds the first entry.
int indexOfDevice(const QStringList& names, QString deviceName);
