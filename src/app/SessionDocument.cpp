#include "SessionDocument.h"

#include <QDomDocument>

namespace session {

namespace {

// Appends children to one parent element, each leaf holding one text node.
class Builder
{
public:
    Builder(QDomDocument& doc, const QDomElement& parent) : doc_(doc), parent_(parent) { }

    void leaf(const char* name, const QString& value) { parent_.appendChild(makeLeaf(name, value)); }

    void numberedLeaf(const char* name, int id, const QString& value)
    {
        QDomElement element = makeLeaf(name, value);
        element.setAttribute(QStringLiteral("id"), id);
        parent_.appendChild(element);
    }

    Builder group(const char* name)
    {
        QDomElement element = doc_.createElement(QLatin1String(name));
        parent_.appendChild(element);
        return Builder(doc_, element);
    }

    Builder numbered(const char* name, int id)
    {
        Builder child = group(name);
        child.parent_.setAttribute(QStringLiteral("id"), id);
        return child;
    }

private:
    QDomElement makeLeaf(const char* name, const QString& value)
    {
        QDomElement element = doc_.createElement(QLatin1String(name));
        element.appendChild(doc_.createTextNode(value));
        return element;
    }

    QDomDocument& doc_;
    QDomElement parent_;
};

void addTools(Builder tools, const SessionState& s)
{
    Builder tempo = tools.group("tempo");
    tempo.leaf("mode", text::truncatedDecimal(s.tempo.mode));
    tempo.leaf("bpm", text::truncatedSixDigits(s.tempo.bpm));
    tempo.leaf("exactBpm", text::exactFloat(s.tempo.exactBpm));
    tempo.leaf("knobValue", text::decimal(s.tempo.knobValue));
    tempo.leaf("state", text::flag(s.tempo.state));

    Builder pitch = tools.group("pitch");
    pitch.leaf("semitones", text::sixDigits(double(s.pitch.semitones)));
    pitch.leaf("fineTune", text::truncatedSixDigits(s.pitch.fineTune));
    pitch.leaf("knobValue", text::decimal(s.pitch.knobValue));
    pitch.leaf("state", text::flag(s.pitch.state));

    Builder sep = tools.group("sourceSep");
    sep.leaf("sepKnobValue", text::decimal(s.sourceSep.sepKnobValue));
    sep.leaf("widthKnobValue", text::decimal(s.sourceSep.widthKnobValue));
    sep.leaf("filterKnobValue", text::decimal(s.sourceSep.filterKnobValue));
    sep.leaf("hilo", text::flag(s.sourceSep.hilo));
    sep.leaf("azimuthValue", text::decimal(s.sourceSep.azimuthValue));
    sep.leaf("solo", text::flag(s.sourceSep.solo));
    sep.leaf("state", text::flag(s.sourceSep.state));
}

void addChords(Builder chords, const SessionState& s)
{
    chords.leaf("openClosed", text::decimal(s.chords.openClosed));
    chords.leaf("neckType", text::decimal(s.chords.neckType));
    chords.leaf("capo", text::decimal(s.chords.capo));
    chords.leaf("openContainerPos", text::decimal(s.chords.openContainerPos));
    chords.leaf("powerContainerPos", text::decimal(s.chords.powerContainerPos));
    chords.leaf("finderChord", text::decimal(s.chords.finderChord));
}

void addRiffs(Builder riffs, const SessionState& s)
{
    riffs.leaf("powerButton", text::flag(s.jamPower));
    riffs.leaf("currentRiff", text::decimal(s.currentRiff));
    riffs.leaf("beatOffset", text::decimal(s.beatOffset));
    for (int r = 0; r < riffCount; ++r) {
        const SessionRiff& riff = s.riffs[size_t(r)];
        Builder element = riffs.numbered("riff", r);
        element.leaf("riffLength", text::decimal(riff.riffLength));
        element.leaf("riffLengthMax", text::decimal(riff.riffLengthMax));
        for (int i = 0; i < stepCount; ++i) {
            const SessionStep& step = riff.steps[size_t(i)];
            Builder stepElement = element.numbered("step", i);
            stepElement.leaf("beat", text::decimal(step.beat));
            stepElement.leaf("state", text::decimal(step.state));
            stepElement.leaf("startSample", text::decimal(step.startSample));
            stepElement.leaf("endSample", text::decimal(step.endSample));
            stepElement.leaf("semitone", text::sixDigits(double(step.semitone)));
            stepElement.leaf("interp", text::sixDigits(double(step.interp)));
        }
    }
    Builder song = riffs.group("song");
    song.leaf("songLength", text::decimal(s.songLength));
    song.leaf("songLengthMax", text::decimal(s.songLengthMax));
    for (int i = 0; i < songSlotCount; ++i)
        song.numberedLeaf("step", i, text::decimal(s.song[size_t(i)]));
}

} // namespace

QByteArray toXml(const SessionState& s)
{
    QDomDocument doc{QString::fromLatin1(documentType)};
    QDomElement root = doc.createElement(QLatin1String(rootName));
    doc.appendChild(root);
    Builder top(doc, root);

    top.leaf("fileName", s.fileName);
    top.leaf("looped", text::flag(s.looped));
    top.leaf("loopStart", text::decimal(s.loopStart));
    top.leaf("loopEnd", text::decimal(s.loopEnd));
    top.leaf("loopStartFrame", text::decimal(s.loopStartFrame));
    top.leaf("loopEndFrame", text::decimal(s.loopEndFrame));
    top.leaf("volume", text::sixDigits(double(s.volume * 100.0f)));
    top.leaf("currentTab", text::decimal(s.currentTab));
    top.leaf("playbackPos", text::decimal(s.playbackPos));
    top.leaf("scrollButton", text::flag(s.scrollButton));
    addTools(top.group("toolsTab"), s);
    addChords(top.group("chordsTab"), s);
    addRiffs(top.group("riffsTab"), s);
    Builder plot = top.group("plot");
    plot.leaf("zoomCentrePos", text::truncatedDecimal(s.zoomCentre));
    plot.leaf("zoomFactor", text::sixDigits(double(s.zoomFactor)));

    return doc.toString(1).toUtf8();
}

} // namespace session
