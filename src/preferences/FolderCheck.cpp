#include "FolderCheck.h"

#include <QDir>
#include <QTemporaryFile>

namespace FolderCheck {

bool canHoldUserFiles(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    // Permission bits say nothing for root or on read-only mounts: try it.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tonbrook-write-check-XXXXXX")));
    return probe.open() && probe.write("x", 1) == 1 && probe.flush();
}

} // namespace FolderCheck
