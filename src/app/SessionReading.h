// Reading a session file, without widgets: the bytes (safely, whatever the
// path names), the document (only a well-formed, shallow one), and the walk
// over the root's children that gathers the working set.
//
// The walk is lenient: it takes what it finds, gives every missing value
// its default and never reports a fault in the document. Element names are
// compared case-sensitively; an element's value is the value of its first
// child node (its text); children that are not elements and elements that
// mean nothing at their level are skipped; a later element overwrites an
// earlier one. It never holds more than the working set: a riff whose id
// lies outside 0 … 5, a riff step or song step after the sixteenth, and
// every `fileName` after the first are ignored.
#pragma once

#include "SessionFormat.h"

#include <QByteArray>
#include <QDomDocument>
#include <QString>
#include <QStringList>

#include <array>

namespace session {

enum class ReadStatus {
    Ok,
    NotAFile, // missing, a folder, a FIFO, a device
    TooLarge, // beyond maxFileBytes
    Unreadable,
    NotXml,            // not well-formed (also XML 1.0's forbidden characters)
    DocumentType,      // a markup declaration other than the one plain document type
    TooManyNodes,      // beyond maxNodes
    TooManyAttributes, // an element beyond maxAttributes
    TooManyNamespaces, // beyond maxNamespaceDeclarations
    TooDeep,           // nested beyond maxDepth
    FieldTooLong,      // a value beyond maxFieldChars
    NotASession,       // the root is not `tbxml`
};

// What a document may hold, counted before any XML reader runs: the
// readers' time grows with the square of an element's attributes and of
// the namespaces in scope, and the document model's with its nodes. The
// writer writes about 760 elements, nothing else, one attribute at most
// and no namespace.
// Elements, comments, processing instructions and CDATA sections together.
constexpr int maxNodes = 8192;
constexpr int maxAttributes = 16;
// In the whole document.
constexpr int maxNamespaceDeclarations = 16;

// The file's bytes: a regular file only, opened without blocking (a FIFO
// named by a session must not hang the window), at most maxFileBytes.
ReadStatus readFile(const QString& path, QByteArray& bytes);

// The document, when the bytes (at most maxFileBytes) are well-formed XML
// within the bounds above, no deeper than maxDepth, no value longer than
// maxFieldChars, and the root element is named exactly `tbxml`.
// The whole text is scanned before any XML reader sees it. The one markup
// declaration it may hold is the writer's document type, its name alone
// (<!DOCTYPE TBXML>), once, before the root; any other (a type with an
// internal subset or an external identifier, a second type, one inside or
// after the root, an entity, element, attribute-list or notation
// declaration anywhere outside comments and CDATA sections) is refused:
// the readers expand entities (parameter entities inside a subset too) as
// often as they are referenced, even in a type they then report as
// misplaced, so a file under 1 MB could stand for gigabytes.
ReadStatus parse(const QByteArray& bytes, QDomDocument& document);

// Texts held under fixed element names, each "0" until met.
class HeldTexts
{
public:
    explicit HeldTexts(QStringList names, const QString& initial = QStringLiteral("0"));
    // False when the name is not one of the group's.
    bool set(const QString& name, const QString& value);
    QString value(const QString& name) const;

private:
    QStringList names_;
    QStringList values_;
};

struct StepTexts
{
    QString beat;
    QString state;
    QString startSample;
    QString endSample;
    QString semitone = QStringLiteral("0");
    QString interp = QStringLiteral("1");
};

struct RiffTexts
{
    QString riffLength;
    QString riffLengthMax;
    std::array<StepTexts, stepCount> steps{};
};

// What one load holds until the walk has passed the last child.
struct WorkingSet
{
    int loopStart = 0;
    int loopEnd = 0;
    // The precise ends in frames; -1 when absent or no whole number.
    int loopStartFrame = -1;
    int loopEndFrame = -1;
    int playbackPos = 0;
    HeldTexts tempo{{"bpm", "knobValue", "mode", "state", "exactBpm"}};
    HeldTexts pitch{{"knobValue", "semitones", "fineTune", "state"}};
    HeldTexts sourceSep{
        {"sepKnobValue", "widthKnobValue", "filterKnobValue", "azimuthValue", "hilo", "solo", "state"}};
    HeldTexts chords{{"openClosed", "neckType", "capo", "openContainerPos", "powerContainerPos", "finderChord"}};
    HeldTexts plot{{"zoomCentrePos", "zoomFactor"}};
    HeldTexts jam{{"powerButton", "currentRiff", "beatOffset"}};
    std::array<RiffTexts, riffCount> riffs{};
    HeldTexts songLengths{{"songLength", "songLengthMax"}};
    std::array<QString, songSlotCount> song{};
};

// The elements applied as they are met, in document order.
class WalkHandler
{
public:
    virtual ~WalkHandler() = default;
    // The first `fileName` only. False stops the walk there.
    virtual bool fileName(const QString& path) = 0;
    virtual void looped(int value) = 0;
    virtual void currentTab(int value) = 0;
    virtual void scrollButton(int value) = 0;
};

// Walks the root's children in order into `set`, calling `handler` for
// the elements applied when met. False when the handler stopped it.
bool walk(const QDomElement& root, WorkingSet& set, WalkHandler& handler);

// The riff an `id` attribute names: a missing id or one that is no number
// is riff 0; a number outside 0 … 5 (however large) names none, -1.
int riffIdOf(const QString& id);

} // namespace session
