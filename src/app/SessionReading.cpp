#include "SessionReading.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

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

namespace {

bool startsWithAt(const QString& text, int at, const char* what)
{
    return QStringRef(&text, at, text.size() - at).startsWith(QLatin1String(what));
}

// White space as XML has it: not the wider Unicode kind.
bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The whole text, markup by markup, the way the readers will see it, before
// they see it: what lies in comments, CDATA sections, processing
// instructions and quoted attribute values is skipped as they skip it.
// Anything it cannot follow is not well-formed, and refused as such; the
// readers would refuse it too, but only after reading what came before.
class Prescan
{
public:
    explicit Prescan(const QString& text) : text_(text), n_(text.size()) { }

    ReadStatus run()
    {
        for (;;) {
            i_ = text_.indexOf(QLatin1Char('<'), i_);
            if (i_ < 0)
                return ReadStatus::Ok;
            const ReadStatus status = markup();
            if (status != ReadStatus::Ok)
                return status;
        }
    }

private:
    // The markup at i_, which it passes.
    ReadStatus markup()
    {
        if (startsWithAt(text_, i_, "<!--"))
            return skipPast(4, "-->");
        if (startsWithAt(text_, i_, "<![CDATA["))
            return depth_ > 0 ? skipPast(9, "]]>") : ReadStatus::NotXml;
        if (startsWithAt(text_, i_, "<?"))
            return skipPast(2, "?>");
        if (startsWithAt(text_, i_, "<!"))
            return plainDocumentType() ? ReadStatus::Ok : ReadStatus::DocumentType;
        if (startsWithAt(text_, i_, "</"))
            return endTag();
        return startTag();
    }

    ReadStatus skipPast(int opening, const char* closing)
    {
        if (++nodes_ > maxNodes)
            return ReadStatus::TooManyNodes;
        const int end = text_.indexOf(QLatin1String(closing), i_ + opening);
        if (end < 0)
            return ReadStatus::NotXml;
        i_ = end + int(qstrlen(closing));
        return ReadStatus::Ok;
    }

    void skipSpace()
    {
        while (i_ < n_ && isXmlSpace(text_.at(i_)))
            ++i_;
    }

    // Passes a name: up to white space or one of the characters given.
    int name(const char* stops)
    {
        const int start = i_;
        while (i_ < n_ && !isXmlSpace(text_.at(i_)) && text_.at(i_) != QLatin1Char('<')
               && (text_.at(i_).unicode() > 127 || std::strchr(stops, text_.at(i_).toLatin1()) == nullptr))
            ++i_;
        return i_ - start;
    }

    // <!DOCTYPE name>, the first in a prolog that has none yet. Its name
    // holds no bracket and no quote, so no reader can find a subset or an
    // external identifier in it.
    bool plainDocumentType()
    {
        if (typeSeen_ || elementSeen_ || !startsWithAt(text_, i_, "<!DOCTYPE"))
            return false;
        i_ += 9;
        const int spaceFrom = i_;
        skipSpace();
        if (i_ == spaceFrom || name(">[\"'%&") == 0)
            return false;
        skipSpace();
        if (i_ >= n_ || text_.at(i_) != QLatin1Char('>'))
            return false;
        ++i_;
        typeSeen_ = true;
        return true;
    }

    ReadStatus endTag()
    {
        i_ += 2;
        if (name(">") == 0)
            return ReadStatus::NotXml;
        skipSpace();
        if (i_ >= n_ || text_.at(i_) != QLatin1Char('>'))
            return ReadStatus::NotXml;
        ++i_;
        --depth_;
        return ReadStatus::Ok;
    }

    ReadStatus startTag()
    {
        if (++nodes_ > maxNodes)
            return ReadStatus::TooManyNodes;
        elementSeen_ = true;
        ++i_;
        if (name(">/=\"'") == 0)
            return ReadStatus::NotXml;
        int attributes = 0;
        for (;;) {
            skipSpace();
            if (i_ >= n_)
                return ReadStatus::NotXml;
            if (text_.at(i_) == QLatin1Char('>')) {
                ++i_;
                return ++depth_ > maxDepth ? ReadStatus::TooDeep : ReadStatus::Ok;
            }
            if (startsWithAt(text_, i_, "/>")) {
                i_ += 2;
                return ReadStatus::Ok;
            }
            const int nameFrom = i_;
            const int nameLength = name(">/=\"'");
            if (nameLength == 0)
                return ReadStatus::NotXml;
            const QStringRef attribute(&text_, nameFrom, nameLength);
            if (attribute == QLatin1String("xmlns") || attribute.startsWith(QLatin1String("xmlns:"))) {
                if (++namespaces_ > maxNamespaceDeclarations)
                    return ReadStatus::TooManyNamespaces;
            }
            if (++attributes > maxAttributes)
                return ReadStatus::TooManyAttributes;
            skipSpace();
            if (i_ >= n_ || text_.at(i_) != QLatin1Char('='))
                return ReadStatus::NotXml;
            ++i_;
            skipSpace();
            if (i_ >= n_ || (text_.at(i_) != QLatin1Char('"') && text_.at(i_) != QLatin1Char('\'')))
                return ReadStatus::NotXml;
            const int end = text_.indexOf(text_.at(i_), i_ + 1);
            // XML allows no '<' in a value: a reader stops there.
            if (end < 0 || QStringRef(&text_, i_ + 1, end - i_ - 1).contains(QLatin1Char('<')))
                return ReadStatus::NotXml;
            i_ = end + 1;
        }
    }

    const QString& text_;
    const int n_;
    int i_ = 0;
    int depth_ = 0;
    int nodes_ = 0;
    int namespaces_ = 0;
    bool typeSeen_ = false;
    bool elementSeen_ = false;
};

// The codec a byte-order mark or the first characters name; none for an
// unmarked document in an ASCII-compatible encoding.
QTextCodec* codecByFirstBytes(const QByteArray& bytes)
{
    if (QTextCodec* marked = QTextCodec::codecForUtfText(bytes, nullptr))
        return marked;
    const QByteArray head = bytes.left(4);
    if (head == QByteArray("<\0\0\0", 4))
        return QTextCodec::codecForName("UTF-32LE");
    if (head == QByteArray("\0\0\0<", 4))
        return QTextCodec::codecForName("UTF-32BE");
    if (head.startsWith(QByteArray("<\0", 2)))
        return QTextCodec::codecForName("UTF-16LE");
    if (head.startsWith(QByteArray("\0<", 2)))
        return QTextCodec::codecForName("UTF-16BE");
    return nullptr;
}

// The document's text: by its byte-order mark or first characters, else
// in the encoding its XML declaration names, else UTF-8. False for an
// encoding no codec knows. Both readers are then given this text, not the
// bytes, so they read exactly what was checked.
bool decode(const QByteArray& bytes, QString& text)
{
    if (QTextCodec* marked = codecByFirstBytes(bytes)) {
        text = marked->toUnicode(bytes);
        return true;
    }
    text = QString::fromUtf8(bytes);
    static const QRegularExpression declared(
        QStringLiteral("^\\x{feff}?\\s*<\\?xml[^>]*?encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch match = declared.match(QStringRef(&text, 0, std::min(text.size(), 512)));
    if (!match.hasMatch())
        return true;
    QTextCodec* named = QTextCodec::codecForName(match.captured(1).toLatin1());
    if (named == nullptr)
        return false;
    if (named->mibEnum() != 106) // not UTF-8
        text = named->toUnicode(bytes);
    return true;
}

} // namespace

ReadStatus parse(const QByteArray& bytes, QDomDocument& document)
{
    if (bytes.size() > maxFileBytes)
        return ReadStatus::TooLarge;
    QString text;
    if (!decode(bytes, text))
        return ReadStatus::NotXml;
    const ReadStatus scanned = Prescan(text).run();
    if (scanned != ReadStatus::Ok)
        return scanned;

    // A first pass with the stream reader checks well-formedness, depth and
    // the length of every value before the document model builds (and
    // later frees) its tree.
    QXmlStreamReader scan(text);
    std::array<int, maxDepth + 1> textChars{};
    int depth = 0;
    while (!scan.atEnd()) {
        const QXmlStreamReader::TokenType token = scan.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > maxDepth)
                return ReadStatus::TooDeep;
            textChars[size_t(depth)] = 0;
            for (const QXmlStreamAttribute& attribute : scan.attributes()) {
                if (attribute.value().size() > maxFieldChars)
                    return ReadStatus::FieldTooLong;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::Characters) {
            // A value may come in several pieces (text, CDATA, references).
            textChars[size_t(depth)] += scan.text().size();
            if (textChars[size_t(depth)] > maxFieldChars)
                return ReadStatus::FieldTooLong;
        }
    }
    if (scan.hasError())
        return ReadStatus::NotXml;

    document = QDomDocument(QLatin1String(documentType));
    if (!document.setContent(text))
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

// A frame position, or -1 for anything but a whole number from 0.
int frameOf(const QDomElement& element)
{
    bool ok = false;
    const int value = valueOf(element).toInt(&ok);
    return ok && value >= 0 ? value : -1;
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
        } else if (name == QLatin1String("loopStartFrame")) {
            set.loopStartFrame = frameOf(child);
        } else if (name == QLatin1String("loopEndFrame")) {
            set.loopEndFrame = frameOf(child);
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
