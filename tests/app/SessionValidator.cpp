#include "SessionValidator.h"

#include "SessionFormat.h"

#include <QDomDocument>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QTextCodec>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace sessioncheck {

bool Report::has(Level level, Severity severity) const
{
    for (const Finding& f : findings)
        if (f.level == level && f.severity == severity)
            return true;
    return false;
}

QString Report::toString() const
{
    static const char* const levels[] = {"document", "structure", "values"};
    QStringList lines;
    for (const Finding& f : findings)
        lines << QStringLiteral("%1 %2 at '%3': %4")
                     .arg(QLatin1String(levels[int(f.level)]),
                          f.severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning"),
                          f.where, f.what);
    return lines.join(QLatin1Char('\n'));
}

namespace {

constexpr int riffCount = session::riffCount;
constexpr int stepCount = session::stepCount;

class Checker
{
public:
    Checker(Report& report, const Context& context) : report_(report), context_(context) { }

    bool checkDocument(const QByteArray& bytes, QDomDocument& document);
    void checkRoot(const QDomElement& root);

private:
    void add(Level level, Severity severity, const QString& where, const QString& what)
    {
        report_.findings.append({level, severity, where, what});
    }
    void error(Level level, const QString& where, const QString& what)
    {
        add(level, Severity::Error, where, what);
    }
    void warning(Level level, const QString& where, const QString& what)
    {
        add(level, Severity::Warning, where, what);
    }

    // The children of parent by name (the last of each, as the loader
    // keeps), reporting unknown, missing, repeated and reordered ones and
    // anything that is not an element. `repeatable` may occur many times
    // and is left to the caller.
    QHash<QString, QDomElement> children(const QDomElement& parent, const QStringList& expected,
                                         const QString& where, const QString& repeatable = QString());
    void checkAttributes(const QDomElement& element, const QString& where, bool idAllowed);

    // A leaf's text: exactly one text node (an empty leaf reads as 0).
    std::optional<QString> leafText(const QDomElement& element, const QString& where, bool idAllowed = false);
    std::optional<qint64> decimal(const QDomElement& element, const QString& where, qint64 lo, qint64 hi,
                                  bool idAllowed = false);
    void flag(const QDomElement& element, const QString& where);
    std::optional<double> sixDigits(const QDomElement& element, const QString& where, double lo, double hi,
                                    bool integral = false);

    // The unrounded tempo: a float in its shortest exact form, 0 (none) or
    // within the BPM box's reach, and cut to whole BPM the `bpm` beside it,
    // which older loaders read.
    void exactBpm(const QDomElement& element, const QString& where, std::optional<double> bpm);
    void checkTools(const QDomElement& tools, const QString& where);
    void checkChords(const QDomElement& chords, const QString& where);
    void checkRiffsTab(const QDomElement& riffs, const QString& where);
    void checkRiff(const QDomElement& riff, const QString& where);
    void checkStep(const QDomElement& step, const QString& where);
    void checkSong(const QDomElement& song, const QString& where);
    void checkPlot(const QDomElement& plot, const QString& where);
    void checkStepIds(const QVector<QDomElement>& steps, const QString& where);

    static QString at(const QString& where, const QString& name)
    {
        return where.isEmpty() ? name : where + QLatin1Char('/') + name;
    }

    Report& report_;
    const Context& context_;
};

bool Checker::checkDocument(const QByteArray& bytes, QDomDocument& document)
{
    const Level level = Level::Document;
    if (bytes.size() > session::maxFileBytes) {
        error(level, QString(), QStringLiteral("larger than the loader reads"));
        return false;
    }
    QByteArray body = bytes;
    if (bytes.startsWith("\xef\xbb\xbf")) {
        warning(level, QString(), QStringLiteral("starts with a byte-order mark"));
        body = bytes.mid(3);
    } else if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        warning(level, QString(), QStringLiteral("not UTF-8"));
    } else {
        QTextCodec::ConverterState state;
        QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
        if (state.invalidChars > 0) {
            error(level, QString(), QStringLiteral("invalid UTF-8"));
            return false;
        }
    }
    if (body.startsWith("<?xml"))
        warning(level, QString(), QStringLiteral("has an XML declaration"));

    QXmlStreamReader scan(bytes);
    int depth = 0;
    int maxDepth = 0;
    bool doctypeSeen = false;
    QString rootName;
    while (!scan.atEnd()) {
        const auto token = scan.readNext();
        if (token == QXmlStreamReader::DTD) {
            doctypeSeen = true;
            if (scan.dtdName() != QLatin1String(session::documentType))
                warning(level, QString(), QStringLiteral("document type '%1'").arg(scan.dtdName().toString()));
            if (!scan.entityDeclarations().isEmpty() || scan.text().contains(QLatin1Char('[')))
                warning(level, QString(), QStringLiteral("internal DTD subset"));
        } else if (token == QXmlStreamReader::StartElement) {
            if (depth == 0) {
                rootName = scan.qualifiedName().toString();
                if (!scan.namespaceDeclarations().isEmpty() || !scan.prefix().isEmpty())
                    warning(level, QString(), QStringLiteral("namespace on the root"));
            }
            maxDepth = std::max(maxDepth, ++depth);
            if (depth > session::maxDepth)
                break;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    if (maxDepth > session::maxDepth) {
        error(level, QString(), QStringLiteral("nested deeper than %1").arg(session::maxDepth));
        return false;
    }
    if (scan.hasError()) {
        error(level, QString(), QStringLiteral("not well-formed: %1").arg(scan.errorString()));
        return false;
    }
    if (!doctypeSeen)
        warning(level, QString(), QStringLiteral("no document type"));
    if (rootName != QLatin1String(session::rootName)) {
        error(level, QString(), QStringLiteral("root '%1'").arg(rootName));
        return false;
    }
    if (!document.setContent(bytes)) {
        error(level, QString(), QStringLiteral("the document model rejects it"));
        return false;
    }
    if (document.toString(1).toUtf8() != bytes)
        warning(level, QString(), QStringLiteral("not the writer's layout"));
    return true;
}

QHash<QString, QDomElement> Checker::children(const QDomElement& parent, const QStringList& expected,
                                              const QString& where, const QString& repeatable)
{
    QHash<QString, QDomElement> found;
    int lastIndex = -1;
    bool reordered = false;
    for (QDomNode node = parent.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (!node.isElement()) {
            warning(Level::Structure, where, QStringLiteral("holds a node that is no element"));
            continue;
        }
        const QDomElement child = node.toElement();
        const QString name = child.tagName();
        const int index = expected.indexOf(name);
        if (index < 0) {
            warning(Level::Structure, at(where, name), QStringLiteral("unknown element"));
            continue;
        }
        if (index < lastIndex)
            reordered = true;
        lastIndex = std::max(lastIndex, index);
        if (name == repeatable)
            continue;
        if (found.contains(name))
            warning(Level::Structure, at(where, name), QStringLiteral("repeated; the last one counts"));
        found.insert(name, child);
    }
    if (reordered)
        warning(Level::Structure, where, QStringLiteral("children out of order"));
    for (const QString& name : expected)
        if (name != repeatable && !found.contains(name))
            warning(Level::Structure, at(where, name), QStringLiteral("missing; read as its default"));
    return found;
}

void Checker::checkAttributes(const QDomElement& element, const QString& where, bool idAllowed)
{
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QString name = attributes.item(i).nodeName();
        if (!(idAllowed && name == QLatin1String("id")))
            warning(Level::Structure, where, QStringLiteral("attribute '%1'").arg(name));
    }
}

std::optional<QString> Checker::leafText(const QDomElement& element, const QString& where, bool idAllowed)
{
    checkAttributes(element, where, idAllowed);
    const QDomNodeList nodes = element.childNodes();
    if (nodes.isEmpty()) {
        warning(Level::Structure, where, QStringLiteral("empty; read as 0"));
        return QString();
    }
    // The loader reads the first child only.
    if (nodes.size() > 1 || !nodes.at(0).isText() || nodes.at(0).isCDATASection()) {
        error(Level::Structure, where, QStringLiteral("not one text node"));
        return std::nullopt;
    }
    return nodes.at(0).nodeValue();
}

std::optional<qint64> Checker::decimal(const QDomElement& element, const QString& where, qint64 lo, qint64 hi,
                                       bool idAllowed)
{
    const std::optional<QString> text = leafText(element, where, idAllowed);
    if (!text)
        return std::nullopt;
    static const QRegularExpression form(QStringLiteral("^-?[0-9]+$"));
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!form.match(*text).hasMatch() || !ok || QString::number(value) != *text) {
        error(Level::Values, where, QStringLiteral("'%1' is not a decimal integer").arg(*text));
        return std::nullopt;
    }
    if (value < lo || value > hi)
        error(Level::Values, where, QStringLiteral("%1 outside %2 … %3").arg(value).arg(lo).arg(hi));
    return value;
}

void Checker::flag(const QDomElement& element, const QString& where)
{
    const std::optional<QString> text = leafText(element, where);
    if (!text || *text == QLatin1String("0") || *text == QLatin1String("1"))
        return;
    bool ok = false;
    text->toInt(&ok);
    if (ok)
        warning(Level::Values, where, QStringLiteral("'%1' read as on").arg(*text));
    else
        error(Level::Values, where, QStringLiteral("'%1' is not 0 or 1").arg(*text));
}

std::optional<double> Checker::sixDigits(const QDomElement& element, const QString& where, double lo, double hi,
                                         bool integral)
{
    const std::optional<QString> text = leafText(element, where);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const double value = text->toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        error(Level::Values, where, QStringLiteral("'%1' is not a number").arg(*text));
        return std::nullopt;
    }
    if (QString::number(value, 'g', 6) != *text)
        warning(Level::Values, where, QStringLiteral("'%1' is not in the six-digit form").arg(*text));
    if (integral && value != std::trunc(value))
        warning(Level::Values, where, QStringLiteral("'%1' is not a whole number").arg(*text));
    if (value < lo || value > hi)
        error(Level::Values, where, QStringLiteral("%1 outside %2 … %3").arg(*text).arg(lo).arg(hi));
    return value;
}

void Checker::checkRoot(const QDomElement& root)
{
    checkAttributes(root, QStringLiteral("tbxml"), false);
    const QStringList names = {"fileName",     "looped",    "loopStart",  "loopEnd",     "loopStartFrame",
                               "loopEndFrame", "volume",    "currentTab", "playbackPos", "scrollButton",
                               "toolsTab",     "chordsTab", "riffsTab",   "plot"};
    const QHash<QString, QDomElement> c = children(root, names, QString());
    const qint64 frames = context_.frameCount >= 0 ? context_.frameCount : std::numeric_limits<int>::max();

    if (c.contains("fileName")) {
        const std::optional<QString> path = leafText(c["fileName"], "fileName");
        if (path && path->isEmpty())
            error(Level::Values, "fileName", QStringLiteral("no audio file"));
    }
    if (c.contains("looped"))
        flag(c["looped"], "looped");
    if (c.contains("loopStart"))
        decimal(c["loopStart"], "loopStart", 0, std::numeric_limits<int>::max());
    if (c.contains("loopEnd"))
        decimal(c["loopEnd"], "loopEnd", 0, std::numeric_limits<int>::max());
    if (c.contains("loopStartFrame"))
        decimal(c["loopStartFrame"], "loopStartFrame", 0, frames);
    if (c.contains("loopEndFrame"))
        decimal(c["loopEndFrame"], "loopEndFrame", 0, frames);
    if (c.contains("volume"))
        sixDigits(c["volume"], "volume", 0, 100);
    if (c.contains("currentTab"))
        decimal(c["currentTab"], "currentTab", 0, 2);
    if (c.contains("playbackPos"))
        decimal(c["playbackPos"], "playbackPos", 0, std::max<qint64>(0, frames - 1));
    if (c.contains("scrollButton"))
        flag(c["scrollButton"], "scrollButton");
    if (c.contains("toolsTab"))
        checkTools(c["toolsTab"], "toolsTab");
    if (c.contains("chordsTab"))
        checkChords(c["chordsTab"], "chordsTab");
    if (c.contains("riffsTab"))
        checkRiffsTab(c["riffsTab"], "riffsTab");
    if (c.contains("plot"))
        checkPlot(c["plot"], "plot");
}

void Checker::exactBpm(const QDomElement& element, const QString& where, std::optional<double> bpm)
{
    const std::optional<QString> text = leafText(element, where);
    if (!text)
        return;
    bool ok = false;
    const float value = text->toFloat(&ok);
    if (!ok || !std::isfinite(value)) {
        error(Level::Values, where, QStringLiteral("'%1' is not a number").arg(*text));
        return;
    }
    if (session::text::exactFloat(value) != *text)
        warning(Level::Values, where, QStringLiteral("'%1' is not in the shortest exact form").arg(*text));
    // Twice the highest tempo a recording may have.
    if (value < 0.0f || value > 20000.0f) {
        error(Level::Values, where, QStringLiteral("%1 outside 0 … 20000").arg(*text));
        return;
    }
    if (value > 0.0f && bpm && std::trunc(double(value)) != *bpm)
        error(Level::Values, where, QStringLiteral("%1 is not the tempo `bpm` holds").arg(*text));
}

void Checker::checkTools(const QDomElement& tools, const QString& where)
{
    checkAttributes(tools, where, false);
    const auto groups = children(tools, {"tempo", "pitch", "sourceSep"}, where);
    if (groups.contains("tempo")) {
        const QString w = at(where, "tempo");
        checkAttributes(groups["tempo"], w, false);
        const auto c = children(groups["tempo"], {"mode", "bpm", "exactBpm", "knobValue", "state"}, w);
        if (c.contains("mode"))
            decimal(c["mode"], at(w, "mode"), 0, 3);
        std::optional<double> bpm;
        if (c.contains("bpm"))
            bpm = sixDigits(c["bpm"], at(w, "bpm"), 0, 10000, true);
        if (c.contains("exactBpm"))
            exactBpm(c["exactBpm"], at(w, "exactBpm"), bpm);
        if (c.contains("knobValue"))
            decimal(c["knobValue"], at(w, "knobValue"), 0, 199);
        if (c.contains("state"))
            flag(c["state"], at(w, "state"));
    }
    if (groups.contains("pitch")) {
        const QString w = at(where, "pitch");
        checkAttributes(groups["pitch"], w, false);
        const auto c = children(groups["pitch"], {"semitones", "fineTune", "knobValue", "state"}, w);
        if (c.contains("semitones"))
            sixDigits(c["semitones"], at(w, "semitones"), -12.5, 12.5);
        if (c.contains("fineTune"))
            sixDigits(c["fineTune"], at(w, "fineTune"), 0, 99, true);
        if (c.contains("knobValue"))
            decimal(c["knobValue"], at(w, "knobValue"), 0, 199);
        if (c.contains("state"))
            flag(c["state"], at(w, "state"));
    }
    if (groups.contains("sourceSep")) {
        const QString w = at(where, "sourceSep");
        checkAttributes(groups["sourceSep"], w, false);
        const auto c = children(
            groups["sourceSep"],
            {"sepKnobValue", "widthKnobValue", "filterKnobValue", "hilo", "azimuthValue", "solo", "state"}, w);
        for (const char* knob : {"sepKnobValue", "widthKnobValue", "filterKnobValue", "azimuthValue"})
            if (c.contains(knob))
                decimal(c[knob], at(w, knob), 0, 99);
        for (const char* button : {"hilo", "solo", "state"})
            if (c.contains(button))
                flag(c[button], at(w, button));
    }
}

void Checker::checkChords(const QDomElement& chords, const QString& where)
{
    checkAttributes(chords, where, false);
    const auto c = children(
        chords, {"openClosed", "neckType", "capo", "openContainerPos", "powerContainerPos", "finderChord"}, where);
    if (c.contains("openClosed"))
        decimal(c["openClosed"], at(where, "openClosed"), 0, 1);
    if (c.contains("neckType"))
        decimal(c["neckType"], at(where, "neckType"), 0, 3);
    if (c.contains("capo"))
        decimal(c["capo"], at(where, "capo"), 0, 11);
    // Grid scroll positions: 0, −20, −40, …
    for (const char* position : {"openContainerPos", "powerContainerPos"})
        if (c.contains(position))
            decimal(c[position], at(where, position), std::numeric_limits<int>::min(), 0);
    if (c.contains("finderChord"))
        decimal(c["finderChord"], at(where, "finderChord"), 0, 83);
}

void Checker::checkRiffsTab(const QDomElement& riffs, const QString& where)
{
    checkAttributes(riffs, where, false);
    const auto c = children(riffs, {"powerButton", "currentRiff", "beatOffset", "riff", "song"}, where,
                            QStringLiteral("riff"));
    if (c.contains("powerButton"))
        flag(c["powerButton"], at(where, "powerButton"));
    if (c.contains("currentRiff"))
        decimal(c["currentRiff"], at(where, "currentRiff"), 0, riffCount - 1);
    if (c.contains("beatOffset"))
        decimal(c["beatOffset"], at(where, "beatOffset"), 0, 99);

    bool seen[riffCount] = {};
    int count = 0;
    for (QDomElement riff = riffs.firstChildElement("riff"); !riff.isNull();
         riff = riff.nextSiblingElement("riff")) {
        const QString w = at(where, QStringLiteral("riff[%1]").arg(count));
        checkAttributes(riff, w, true);
        if (!riff.hasAttribute("id")) {
            warning(Level::Structure, w, QStringLiteral("no id; read as riff 0"));
        } else {
            bool ok = false;
            const int id = riff.attribute("id").toInt(&ok);
            if (!ok || QString::number(id) != riff.attribute("id"))
                warning(Level::Structure, w, QStringLiteral("id '%1' read as riff 0").arg(riff.attribute("id")));
            else if (id < 0 || id >= riffCount)
                error(Level::Structure, w, QStringLiteral("id %1 names no riff; ignored").arg(id));
            else if (seen[id])
                error(Level::Structure, w, QStringLiteral("riff %1 again; it overwrites the first").arg(id));
            else if (id != count)
                warning(Level::Structure, w, QStringLiteral("id %1 out of order").arg(id));
            if (ok && id >= 0 && id < riffCount)
                seen[id] = true;
        }
        checkRiff(riff, w);
        ++count;
    }
    if (count != riffCount)
        warning(Level::Structure, where, QStringLiteral("%1 riffs, not %2").arg(count).arg(riffCount));
    if (c.contains("song"))
        checkSong(c["song"], at(where, "song"));
}

void Checker::checkStepIds(const QVector<QDomElement>& steps, const QString& where)
{
    if (steps.size() > stepCount)
        error(Level::Structure, where,
              QStringLiteral("%1 steps; those after the 16th are ignored").arg(steps.size()));
    else if (steps.size() < stepCount)
        warning(Level::Structure, where, QStringLiteral("%1 steps, not 16").arg(steps.size()));
    for (int i = 0; i < steps.size(); ++i)
        if (steps[i].attribute("id") != QString::number(i))
            warning(Level::Structure, at(where, QStringLiteral("step[%1]").arg(i)),
                    QStringLiteral("id '%1' is not its place").arg(steps[i].attribute("id")));
}

void Checker::checkRiff(const QDomElement& riff, const QString& where)
{
    const auto c = children(riff, {"riffLength", "riffLengthMax", "step"}, where, QStringLiteral("step"));
    std::optional<qint64> length;
    std::optional<qint64> maximum;
    if (c.contains("riffLength"))
        length = decimal(c["riffLength"], at(where, "riffLength"), 0, stepCount - 1);
    if (c.contains("riffLengthMax"))
        maximum = decimal(c["riffLengthMax"], at(where, "riffLengthMax"), 0, stepCount - 1);
    if (length && maximum && *maximum < *length)
        error(Level::Values, where, QStringLiteral("riffLengthMax below riffLength"));

    QVector<QDomElement> steps;
    for (QDomElement step = riff.firstChildElement("step"); !step.isNull(); step = step.nextSiblingElement("step"))
        steps.append(step);
    checkStepIds(steps, where);
    for (int i = 0; i < steps.size(); ++i) {
        const QString w = at(where, QStringLiteral("step[%1]").arg(i));
        checkAttributes(steps[i], w, true);
        checkStep(steps[i], w);
    }
}

void Checker::checkStep(const QDomElement& step, const QString& where)
{
    const auto c = children(step, {"beat", "state", "startSample", "endSample", "semitone", "interp"}, where);
    const qint64 frames = context_.frameCount >= 0 ? context_.frameCount : std::numeric_limits<int>::max();
    if (c.contains("beat"))
        decimal(c["beat"], at(where, "beat"), 0, std::numeric_limits<int>::max());
    if (c.contains("state"))
        decimal(c["state"], at(where, "state"), 0, 3);
    std::optional<qint64> start;
    std::optional<qint64> end;
    if (c.contains("startSample"))
        start = decimal(c["startSample"], at(where, "startSample"), 0, frames);
    if (c.contains("endSample"))
        end = decimal(c["endSample"], at(where, "endSample"), 0, frames);
    if (start && end && *end < *start)
        error(Level::Values, where, QStringLiteral("endSample before startSample"));
    std::optional<double> semitone;
    std::optional<double> interp;
    if (c.contains("semitone"))
        semitone = sixDigits(c["semitone"], at(where, "semitone"), -12, 12);
    if (c.contains("interp"))
        interp = sixDigits(c["interp"], at(where, "interp"), 0.5, 2.0);
    if (semitone && interp && std::abs(*interp - std::pow(2.0, *semitone / 12.0)) > 1e-5)
        error(Level::Values, where, QStringLiteral("interp %1 is not 2^(%2/12)").arg(*interp).arg(*semitone));
}

void Checker::checkSong(const QDomElement& song, const QString& where)
{
    checkAttributes(song, where, false);
    const auto c = children(song, {"songLength", "songLengthMax", "step"}, where, QStringLiteral("step"));
    std::optional<qint64> length;
    std::optional<qint64> maximum;
    if (c.contains("songLength"))
        length = decimal(c["songLength"], at(where, "songLength"), 0, stepCount - 1);
    if (c.contains("songLengthMax"))
        maximum = decimal(c["songLengthMax"], at(where, "songLengthMax"), 0, stepCount - 1);
    if (length && maximum && *maximum < *length)
        error(Level::Values, where, QStringLiteral("songLengthMax below songLength"));
    QVector<QDomElement> steps;
    for (QDomElement step = song.firstChildElement("step"); !step.isNull(); step = step.nextSiblingElement("step"))
        steps.append(step);
    checkStepIds(steps, where);
    for (int i = 0; i < steps.size(); ++i) {
        const QString w = at(where, QStringLiteral("step[%1]").arg(i));
        decimal(steps[i], w, -1, riffCount - 1, true);
    }
}

void Checker::checkPlot(const QDomElement& plot, const QString& where)
{
    checkAttributes(plot, where, false);
    const auto c = children(plot, {"zoomCentrePos", "zoomFactor"}, where);
    if (c.contains("zoomCentrePos"))
        decimal(c["zoomCentrePos"], at(where, "zoomCentrePos"), 0, std::numeric_limits<int>::max());
    if (c.contains("zoomFactor")) {
        const std::optional<double> factor = sixDigits(c["zoomFactor"], at(where, "zoomFactor"), 0.0, 1.0);
        if (factor) {
            bool level = false;
            double k = 1.0;
            for (int i = 0; i < 8; ++i, k *= 0.66)
                level = level || std::abs(*factor - k) <= 1e-5 * k;
            if (!level)
                error(Level::Values, at(where, "zoomFactor"), QStringLiteral("%1 is no zoom level").arg(*factor));
        }
    }
}

} // namespace

Report validate(const QByteArray& bytes, const Context& context)
{
    Report report;
    Checker checker(report, context);
    QDomDocument document;
    if (checker.checkDocument(bytes, document))
        checker.checkRoot(document.documentElement());
    return report;
}

} // namespace sessioncheck
