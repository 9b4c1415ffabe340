// Whether a folder can take the user's files.
#pragma once

#include <QString>

namespace FolderCheck {

// Makes the folder (and its parents) when missing, then writes and removes
// a small file in it. False for an empty path, a folder that cannot be
// made (a file in the way, a read-only disk) or one that refuses writing.
bool canHoldUserFiles(const QString& folder);

} // namespace FolderCheck
