// Title, artist and album of an audio file, read through TagLib.
#pragma once

#include <QString>

struct Tags
{
    QString title;
    QString artist;
    QString album;
};

// False when TagLib cannot open the file (missing, unknown kind, damaged);
// tags is then left empty. Fields the file has no tag for stay empty.
// Any path the file system takes works, non-ASCII included.
bool readTags(const QString& path, Tags& tags);
