#include "Tags.h"

#include "PlatformLog.h"

#include <QFile>

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tdebuglistener.h>

#include <mutex>

namespace {

// TagLib prints what it finds odd in a file to stderr; keep it in our log.
class TagLibToQt : public TagLib::DebugListener
{
public:
    void printMessage(const TagLib::String& msg) override
    {
        qCDebug(lcDecoder) << "TagLib:" << QString::fromStdWString(msg.toWString()).trimmed();
    }
};

void routeTagLibMessages()
{
    static TagLibToQt listener;
    static std::once_flag once;
    std::call_once(once, [] { TagLib::setDebugListener(&listener); });
}

QString toQString(const TagLib::String& s)
{
    return QString::fromStdWString(s.toWString());
}

} // namespace

bool readTags(const QString& path, Tags& tags)
{
    tags = Tags{};
    if (!QFile::exists(path))
        return false;
    routeTagLibMessages();
    const QByteArray name = QFile::encodeName(path);
    const TagLib::FileRef file(name.constData(), false);
    if (file.isNull())
        return false;
    if (const TagLib::Tag* tag = file.tag()) {
        tags.title = toQString(tag->title());
        tags.artist = toQString(tag->artist());
        tags.album = toQString(tag->album());
    }
    return true;
}
