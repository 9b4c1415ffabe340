// What the shell needs of the operating system, on Linux.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <vector>

namespace OsPaths {

// The local path a URL names (its fully decoded path), its bytes kept as
// the file name codec keeps them. Linux has no file-reference URLs, so none
// needs resolving.
QString localPathFromUrl(const QUrl& url);

struct Volume
{
    QString rootPath;
    QByteArray fileSystemType;
    bool readOnly = false;
};

// Read-only mounted volumes (where an audio CD or a disc image shows up),
// root paths sorted by name ignoring case. Squashfs mounts are package
// images (snaps), not media, and are left out.
QStringList readOnlyVolumes();
QStringList readOnlyVolumes(const std::vector<Volume>& mounted);

// Starts a new instance of this executable, detached, without arguments;
// false when it could not be started.
bool relaunchDetached();

} // namespace OsPaths
