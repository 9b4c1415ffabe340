// Where a path from each way in goes: the open road (audio), the session
// road, or nowhere. Each way in prepares its path its own way; all of them
// take a session by the suffix of the file's name and audio by the
// substrings of the whole path, with the extension in any case.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

enum class FileKind { Audio, Session, Refused };

struct FileRoute
{
    FileKind kind = FileKind::Refused;
    // The path to open: as the way in gave it, never the lower-cased copy
    // used to classify it (on Linux that name need not exist).
    QString path;
};

namespace FileRoutes {

// The path with every occurrence of its extension (from the last "." on)
// lower-cased; a path without "." is lower-cased whole.
QString extensionToLower(const QString& path);

// A session file: its name's suffix is exactly "tb" (so never a ".tbm", a
// ".tb" inside a folder name or a folder). Case-sensitive: each way in
// lower-cases first when it means to.
bool isSessionPath(const QString& path);

// True for a regular file: folders, FIFOs and devices are not files to open.
bool isRegularFile(const QString& path);

// The command line (arguments with the program first). One argument, or the
// arguments joined with blanks, naming an existing file is taken as it
// stands, made absolute; otherwise the arguments are joined up to the first
// one holding a "." and read as a URL. Classified with its extension
// lower-cased: audio by the substrings, sessions by suffix; anything else
// Refused (with the path, so the caller can tell a named file from none:
// an empty path).
FileRoute routeCommandLine(const QStringList& arguments);

// An open-file event: sessions by suffix (any case), everything else is
// audio.
FileRoute routeFileOpenEvent(const QString& path);

// A dropped URL: its decoded path with "\\" turned into "/" is classified
// with its extension lower-cased. ".tbm" caches are refused.
FileRoute routeDrop(const QUrl& url);

// A drag is accepted over the window when its first passing URL would open.
bool acceptsDrag(const QList<QUrl>& urls);

// A recent-files entry, classified with its extension lower-cased; ".aif"
// opens as audio as the other ways in do. "&Clear Recent" is refused.
FileRoute routeRecent(const QString& text);

// Where the CD-track dialog starts: the first root (in the order given)
// holding a track (".aif", ".aiff" or ".wav", any case) at its top level;
// empty when none does.
QString cdStartFolder(const QStringList& roots);

// The roots searched for CD tracks: the read-only volumes and the audio-CD
// folders of the desktop's virtual file system ($XDG_RUNTIME_DIR/gvfs/cdda*).
QStringList cdRoots();

} // namespace FileRoutes
