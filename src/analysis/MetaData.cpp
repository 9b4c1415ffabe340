#include "MetaData.h"

#include <QThread>

#include <cmath>
#include <memory>

namespace {

// Beat positions become ints wherever they are used (the player truncates
// them): keep them well inside the int range.
constexpr float maxBeatSamples = 2.0e9f;

bool usableBeat(float position)
{
    return std::isfinite(position) && std::fabs(position) <= maxBeatSamples;
}

// The beat after `last` at the distance from `previous`, in whole samples:
// last truncated, plus the float difference truncated.
std::optional<float> extrapolatedBeat(float previous, float last)
{
    const qint64 wholeLast = qint64(last);
    const qint64 step = qint64(float(wholeLast) - previous);
    const float next = float(wholeLast + step);
    if (!usableBeat(next))
        return std::nullopt;
    return next;
}

QString renamedChord(const std::string& name)
{
    const QString chord = QString::fromStdString(name);
    if (chord == QLatin1String("D#"))
        return QStringLiteral("Eb");
    if (chord == QLatin1String("G#"))
        return QStringLiteral("Ab");
    return chord;
}

// How a loader closes the last chord when the counts disagree.
enum class Closing {
    // The driver's record: add one closing beat, then trim the longer list.
    OneBeat,
    // A cache: extrapolate until every chord has its closing beat.
    EveryChord,
};

// Beats, chords, tempo to a complete result: one beat more than chords, at
// least one chord. The caller guarantees at least two usable beats.
std::optional<AnalysisResult> completed(AnalysisResult result, Closing closing)
{
    QVector<float>& beats = result.beats;
    QVector<QString>& chords = result.chordVec;

    auto addBeat = [&beats] {
        const auto next = extrapolatedBeat(beats.at(beats.size() - 2), beats.last());
        if (next)
            beats.append(*next);
        return next.has_value();
    };
    if (closing == Closing::OneBeat && !addBeat())
        return std::nullopt;
    while (closing == Closing::EveryChord && beats.size() <= chords.size()) {
        if (!addBeat())
            return std::nullopt;
    }

    // Every chord keeps its closing beat; beats beyond it or chords without
    // one go.
    if (beats.size() > chords.size() + 1)
        beats.resize(chords.size() + 1);
    else if (chords.size() >= beats.size())
        chords.resize(beats.size() - 1);
    if (chords.isEmpty())
        return std::nullopt;

    MetaData::changeIntroOutroText(chords);
    result.beatLengthPercent = int(beats.last() / float(beats.size())) / 100;
    return result;
}

} // namespace

MetaData::MetaData(QObject* parent) : QObject(parent), currentChordVec(&chordVec) { }

MetaData::~MetaData()
{
    delete m_pending.exchange(nullptr, std::memory_order_acq_rel);
}

MetaData::BeatsWriteGate::BeatsWriteGate(MetaData& model) : m_write(model.m_beatsGate)
{
    Q_ASSERT(QThread::currentThread() == model.thread());
}

std::optional<AnalysisResult> MetaData::resultFromRecord(const metadata& record)
{
    if (record.beats.size() < 2 || !std::isfinite(record.tempo))
        return std::nullopt;

    AnalysisResult result;
    result.bpm = record.tempo;
    result.beats.reserve(int(record.beats.size()) + 1);
    for (float beat : record.beats) {
        if (!usableBeat(beat))
            return std::nullopt;
        result.beats.append(beat);
    }
    result.chordVec.reserve(int(record.chordVec.size()));
    for (const std::string& name : record.chordVec)
        result.chordVec.append(renamedChord(name));
    result.chordVecDetected.reserve(int(record.chordVecDetected.size()));
    for (const std::string& name : record.chordVecDetected)
        result.chordVecDetected.append(renamedChord(name));

    // The driver names every grid beat, so this adds exactly the closing beat.
    return completed(std::move(result), Closing::OneBeat);
}

std::optional<AnalysisResult> MetaData::resultFromLists(const QVector<QString>* lists)
{
    if (lists == nullptr || lists[3].isEmpty() || lists[0].size() < 2)
        return std::nullopt;

    AnalysisResult result;
    bool ok = false;
    result.bpm = lists[3].first().toFloat(&ok);
    if (!ok || !std::isfinite(result.bpm))
        return std::nullopt;

    result.beats.reserve(lists[0].size() + 1);
    for (const QString& text : lists[0]) {
        const float beat = text.toFloat(&ok);
        if (!ok || !usableBeat(beat))
            return std::nullopt;
        result.beats.append(beat);
    }
    result.chordVec = lists[1];
    for (const QString& name : lists[2]) {
        if (!name.isEmpty())
            result.chordVecDetected.append(name);
    }
    return completed(std::move(result), Closing::EveryChord);
}

bool MetaData::setMetaData(const metadata& record)
{
    auto result = resultFromRecord(record);
    if (!result)
        return false;
    handOver(std::move(*result));
    return true;
}

void MetaData::handOver(AnalysisResult result)
{
    if (QThread::currentThread() == thread()) {
        dropPending();
        install(result);
        emit gotMeta();
        return;
    }
    auto* pending = new PendingResult{std::move(result), m_generation.load(std::memory_order_acquire)};
    delete m_pending.exchange(pending, std::memory_order_acq_rel);
    QMetaObject::invokeMethod(this, "takeHandOver", Qt::QueuedConnection);
}

void MetaData::takeHandOver()
{
    std::unique_ptr<PendingResult> pending(m_pending.exchange(nullptr, std::memory_order_acq_rel));
    if (!pending || pending->generation != m_generation.load(std::memory_order_relaxed))
        return;
    install(pending->result);
    emit gotMeta();
}

bool MetaData::setMetaDataFromFile(const QVector<QString>* lists)
{
    const auto result = resultFromLists(lists);
    if (!result)
        return false;
    dropPending();
    install(*result);
    emit setBpm(bpm);
    emit setChordFilterSelection(chordVecDetected);
    emit gotMeta();
    return true;
}

void MetaData::resetMetaData()
{
    dropPending();
    BeatsWriteGate gate(*this);
    bpm = 0.0f;
    beats.clear();
    currentBeat.store(0, std::memory_order_relaxed);
    chordSeq = 0;
    metaDataValid.store(false, std::memory_order_release);
}

AnalysisResult MetaData::currentResult() const
{
    return AnalysisResult{bpm, beats, chordVec, chordVecDetected, beatLengthPercent};
}

void MetaData::changeIntroOutroText()
{
    changeIntroOutroText(*currentChordVec);
}

void MetaData::changeIntroOutroText(QVector<QString>& chords)
{
    const QString x = QStringLiteral("X");
    const QString dash = QStringLiteral("-");
    int k = 0;
    while (k < chords.size() && chords.at(k) == x)
        chords[k++] = dash;
    // Every later "X" too, not only the trailing run: no "X" reaches a view.
    for (int i = chords.size() - 1; i >= k; --i) {
        if (chords.at(i) == x)
            chords[i] = dash;
    }
}

void MetaData::install(const AnalysisResult& result)
{
    BeatsWriteGate gate(*this);
    bpm = result.bpm;
    beats = result.beats;
    chordVec = result.chordVec;
    chordVecDetected = result.chordVecDetected;
    currentChordVec = &chordVec;
    beatLengthPercent = result.beatLengthPercent;
    metaDataValid.store(true, std::memory_order_release);
}

void MetaData::dropPending()
{
    m_generation.fetch_add(1, std::memory_order_acq_rel);
    delete m_pending.exchange(nullptr, std::memory_order_acq_rel);
}
