#include "SessionReading.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace session {

ReadStatus readFile(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    if (path.isEmpty())
        return ReadStatus::NotAFile;
    // Non-blocking: opening a FIFO for reading would otherwise wait for a
    // writer. The type is then checked on what was opened, not on the name.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ReadStatus::NotAFile;
    struct stat info
    {
    };
    ReadStatus status = ReadStatus::Ok;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        status = ReadStatus::NotAFile;
    else if (info.st_size > maxFileBytes)
        status = ReadStatus::TooLarge;
    if (status != ReadStatus::Ok) {
        ::close(fd);
        return status;
    }
    // Read up to one byte past the limit, in case the file grows meanwhile.
    bytes.resize(int(maxFileBytes) + 1);
    qint64 total = 0;
    while (total < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + total, size_t(bytes.size() - total));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            status = ReadStatus::Unreadable;
            break;
        }
        if (got == 0)
            break;
        total += got;
    }
    ::close(fd);
    if (status == ReadStatus::Ok && total > maxFileBytes)
        status = ReadStatus::TooLarge;
    bytes.resize(status == ReadStatus::Ok ? int(total) : 0);
    return status;
}

ReadStatus parse(const QByteArray& bytes, QDomDocument& document)
{
    // A first pass with the stream reader checks well-formedness and depth
    // before the document model builds (and later frees) its tree.
    QXmlStreamReader scan(bytes);
    int depth = 0;
    while (!scan.atEnd()) {
        const QXmlStreamReader::TokenType token = scan.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > maxDepth)
                return ReadStatus::TooDeep;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    if (scan.hasError())
        return ReadStatus::NotXml;

    document = QDomDocument(QLatin1String(documentType));
    if (!document.setContent(bytes))
        return ReadStatus::NotXml;
    if (document.documentElement().tagName() != QLatin1String(rootName))
        return ReadStatus::NotASession;
    return ReadStatus::Ok;
}

HeldTexts::HeldTexts(QStringList names, const QString& initial) : names_(std::move(names))
{
    for (int i = 0; i < names_.size(); ++i)
        values_.append(initial);
}

bool HeldTexts::set(const QString& name, const QString& value)
{
    const int i = names_.indexOf(name);
    if (i < 0)
        return false;
    values_[i] = value;
    return true;
}

QString HeldTexts::value(const QString& name) const
{
    const int i = names_.indexOf(name);
    return i < 0 ? QString() : values_.at(i);
}

int riffIdOf(const QString& id)
{
    bool ok = false;
    const qlonglong value = id.toLongLong(&ok);
    if (ok)
        return value >= 0 && value < riffCount ? int(value) : -1;
    // Digits beyond the integer range are still a number outside 0 … 5.
    static const QRegularExpression integer(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    return integer.match(id).hasMatch() ? -1 : 0;
}

namespace {

QString valueOf(const QDomElement& element)
{
    return element.firstChild().nodeValue();
}

int intOf(const QDomElement& element)
{
    return valueOf(element).toInt();
}

// Calls f for every child element of parent, in document order.
template <class F>
void forEachChild(const QDomElement& parent, F f)
{
    for (QDomElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        f(child);
}

void readLeaves(const QDomElement& group, HeldTexts& held)
{
    forEachChild(group, [&](const QDomElement& child) { held.set(child.tagName(), valueOf(child)); });
}

void readStep(const QDomElement& element, StepTexts& step)
{
    forEachChild(element, [&](const QDomElement& child) {
        const QString name = child.tagName();
        const QString value = valueOf(child);
        if (name == QLatin1String("beat"))
            step.beat = value;
        else if (name == QLatin1String("state"))
            step.state = value;
        else if (name == QLatin1String("startSample"))
            step.startSample = value;
        else if (name == QLatin1String("endSample"))
            step.endSample = value;
        else if (name == QLatin1String("semitone"))
            step.semitone = value;
        else if (name == QLatin1String("interp"))
            step.interp = value;
    });
}

void readRiff(const QDomElement& element, RiffTexts& riff)
{
    int step = 0;
    forEachChild(element, [&](const QDomElement& child) {
        const QString name = child.tagName();
        if (name == QLatin1String("riffLength")) {
            riff.riffLength = valueOf(child);
        } else if (name == QLatin1String("riffLengthMax")) {
            riff.riffLengthMax = valueOf(child);
        } else if (name == QLatin1String("step")) {
            if (step < stepCount)
                readStep(child, riff.steps[size_t(step)]);
            ++step;
        }
    });
}

void readSong(const QDomElement& element, WorkingSet& set)
{
    int slot = 0;
    forEachChild(element, [&](const QDomElement& child) {
        if (child.tagName() == QLatin1String("step")) {
            if (slot < songSlotCount)
                set.song[size_t(slot)] = valueOf(child);
            ++slot;
        } else {
            set.songLengths.set(child.tagName(), valueOf(child));
        }
    });
}

void readRiffsTab(const QDomElement& element, WorkingSet& set)
{
    forEachChild(element, [&](const QDomElement& child) {
        const QString name = child.tagName();
        if (name == QLatin1String("riff")) {
            const int id = riffIdOf(child.attribute(QStringLiteral("id")));
            if (id >= 0)
                readRiff(child, set.riffs[size_t(id)]);
        } else if (name == QLatin1String("song")) {
            readSong(child, set);
        } else {
            set.jam.set(name, valueOf(child));
        }
    });
}

void readToolsTab(const QDomElement& element, WorkingSet& set)
{
    forEachChild(element, [&](const QDomElement& child) {
        const QString name = child.tagName();
        if (name == QLatin1String("tempo"))
            readLeaves(child, set.tempo);
        else if (name == QLatin1String("pitch"))
            readLeaves(child, set.pitch);
        else if (name == QLatin1String("sourceSep"))
            readLeaves(child, set.sourceSep);
    });
}

} // namespace

bool walk(const QDomElement& root, WorkingSet& set, WalkHandler& handler)
{
    bool fileNameMet = false;
    for (QDomElement child = root.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        const QString name = child.tagName();
        if (name == QLatin1String("fileName")) {
            if (fileNameMet)
                continue;
            fileNameMet = true;
            if (!handler.fileName(valueOf(child)))
                return false;
        } else if (name == QLatin1String("looped")) {
            handler.looped(intOf(child));
        } else if (name == QLatin1String("currentTab")) {
            handler.currentTab(intOf(child));
        } else if (name == QLatin1String("scrollButton")) {
            handler.scrollButton(intOf(child));
        } else if (name == QLatin1String("loopStart")) {
            set.loopStart = intOf(child);
        } else if (name == QLatin1String("loopEnd")) {
            set.loopEnd = intOf(child);
        } else if (name == QLatin1String("playbackPos")) {
            set.playbackPos = intOf(child);
        } else if (name == QLatin1String("toolsTab")) {
            readToolsTab(child, set);
        } else if (name == QLatin1String("chordsTab")) {
            readLeaves(child, set.chords);
        } else if (name == QLatin1String("riffsTab")) {
            readRiffsTab(child, set);
        } else if (name == QLatin1String("plot")) {
            readLeaves(child, set.plot);
        }
    }
    return true;
}

} // namespace session
