#include "FileRoutes.h"

#include "OsPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <sys/stat.h>

namespace FileRoutes {

namespace {

// Audio by substrings of the whole path, the same list for every way in
// (".aif" included: such files open through the dialog as well).
const QStringList audioSubstrings{".mp3", ".flac", ".ogg", ".wma", ".aac", ".aiff",
                                  ".aif", ".m4a",  ".mp4", ".wav", ".cda"};
const QStringList cdTrackSuffixes{"aif", "aiff", "wav"};

bool containsAny(const QString& path, const QStringList& substrings)
{
    for (const QString& s : substrings) {
        if (path.contains(s))
            return true;
    }
    return false;
}

bool isCacheFile(const QString& path)
{
    return QFileInfo(path).suffix() == QLatin1String("tbm");
}

// Session first: a file named "song.mp3.tb" is a session, not a recording.
FileRoute classify(const QString& classified, const QString& original)
{
    if (isSessionPath(classified))
        return {FileKind::Session, original};
    if (!isCacheFile(classified) && containsAny(classified, audioSubstrings))
        return {FileKind::Audio, original};
    return {FileKind::Refused, original};
}

} // namespace

QString extensionToLower(const QString& path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? path : path.mid(dot);
    QString result = path;
    result.replace(extension, extension.toLower(), Qt::CaseSensitive);
    return result;
}

bool isSessionPath(const QString& path)
{
    const QFileInfo info(path);
    return info.suffix() == QLatin1String("tb") && !info.isDir();
}

bool isRegularFile(const QString& path)
{
    // stat, not QFileInfo::isFile: the file's kind, following links.
    struct stat st;
    const QByteArray local = QFile::encodeName(path);
    return !path.isEmpty() && ::stat(local.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

FileRoute routeCommandLine(const QStringList& arguments)
{
    const QStringList named = arguments.mid(1);
    if (named.isEmpty())
        return {};

    // Names may hold "#", "?" or "%", which the URL reading would eat.
    QString path;
    const QString joined = named.join(QLatin1Char(' '));
    if (isRegularFile(joined)) {
        path = joined;
    } else {
        for (const QString& argument : named) {
            if (isRegularFile(argument)) {
                path = argument;
                break;
            }
        }
    }
    if (!path.isEmpty()) {
        path = QFileInfo(path).absoluteFilePath();
    } else {
        // A path split at its blanks comes out whole: join up to the first
        // argument holding a ".".
        for (const QString& argument : named) {
            path += argument;
            if (argument.contains(QLatin1Char('.')))
                break;
            path += QLatin1Char(' ');
        }
        path = OsPaths::localPathFromUrl(QUrl(path, QUrl::TolerantMode));
    }
    // Field recorders write "SONG.WAV": the extension counts in any case.
    return classify(extensionToLower(path), path);
}

FileRoute routeFileOpenEvent(const QString& path)
{
    if (isSessionPath(extensionToLower(path)))
        return {FileKind::Session, path};
    return {FileKind::Audio, path};
}

FileRoute routeDrop(const QUrl& url)
{
    const QString path = OsPaths::localPathFromUrl(url);
    QString classified = path;
    classified.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return classify(extensionToLower(classified), path);
}

bool acceptsDrag(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        if (routeDrop(url).kind != FileKind::Refused)
            return true;
    }
    return false;
}

FileRoute routeRecent(const QString& text)
{
    return classify(extensionToLower(text), text);
}

QString cdStartFolder(const QStringList& roots)
{
    for (const QString& root : roots) {
        const QDir dir(root);
        for (const QString& name : dir.entryList(QDir::Files)) {
            if (cdTrackSuffixes.contains(QFileInfo(name).suffix().toLower()))
                return dir.absolutePath();
        }
    }
    return QString();
}

QStringList cdRoots()
{
    QStringList roots = OsPaths::readOnlyVolumes();
    const QString runtime = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty()) {
        const QDir gvfs(runtime + QStringLiteral("/gvfs"));
        for (const QFileInfo& entry :
             gvfs.entryInfoList({QStringLiteral("cdda*")}, QDir::Dirs | QDir::NoDotAndDotDot))
            roots << entry.absoluteFilePath();
    }
    return roots;
}

} // namespace FileRoutes
