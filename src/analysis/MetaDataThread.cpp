#include "MetaDataThread.h"

#include "MIRtoolbox.h"

MetaDataThread::MetaDataThread(QObject* parent) : QThread(parent), metaData(new MetaData(this))
{
    // The chord list crosses from the analysis thread in a queued signal.
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    resetManualEntry();
    connect(metaData, &MetaData::gotMeta, this, &MetaDataThread::gotMetaData);
    connect(metaData, &MetaData::setBpm, this, &MetaDataThread::setBPM);
    connect(metaData, &MetaData::setChordFilterSelection, this, &MetaDataThread::setChordFilterSelection);
}

MetaDataThread::~MetaDataThread()
{
    wait();
}

void MetaDataThread::initMonoData(const float* left, const float* right, int sampleCount, bool stereo,
                                  int sampleRate)
{
    m_monoData = monoMix(left, right, sampleCount, stereo);
    m_sampleRate = sampleRate;
}

void MetaDataThread::setFileName(const QString& cachePath, const QString& audioFileName,
                                 const AnalysisCache::RecordingSize& size)
{
    m_cachePath = cachePath;
    m_audioFileName = audioFileName;
    m_recordingSize = size;
}

void MetaDataThread::setManualEntryChords(const QVector<QVector<int>>& selection)
{
    m_manualEntry.set(selection);
}

void MetaDataThread::resetManualEntry()
{
    m_manualEntry.reset();
}

std::vector<float> MetaDataThread::monoMix(const float* left, const float* right, int sampleCount, bool stereo)
{
    std::vector<float> mono;
    if (left == nullptr || sampleCount <= 0)
        return mono;
    mono.resize(size_t(sampleCount));
    if (stereo && right != nullptr) {
        for (size_t i = 0; i < mono.size(); ++i)
            mono[i] = (left[i] + right[i]) * 0.5f;
    } else {
        std::copy(left, left + sampleCount, mono.begin());
    }
    return mono;
}

MetaDataThread::Analysis MetaDataThread::analyse(const std::vector<float>& mono, int sampleRate,
                                                 const ManualChordSelection& selection)
{
    Analysis analysis;
    // The driver only reads the signal.
    float* signal = mono.empty() ? nullptr : const_cast<float*>(mono.data());
    std::vector<std::vector<int>> chords;
    if (selection.active) {
        for (const QVector<int>& row : selection.chords)
            chords.emplace_back(row.begin(), row.end());
    }
    analysis.record = MIRtoolbox::mainCall(signal, sampleRate, int(mono.size()), chords);
    analysis.result = MetaData::resultFromRecord(analysis.record);
    return analysis;
}

AnalysisCache::WriteStatus MetaDataThread::writeCache()
{
    if (!metaData->metaDataValid.load(std::memory_order_acquire))
        return AnalysisCache::WriteStatus::Refused;
    return AnalysisCache::write(m_cachePath, m_audioFileName, metaData->currentResult(), m_recordingSize);
}

void MetaDataThread::saveTBM()
{
    writeCache();
}

// 1. The model's results are no longer valid.
// 2. The analysis; the mono mix is released.
// 3. The cache is written from the run's own result (the model's fields
//    belong to the GUI thread), then the result is handed to the model,
//    which installs it on the GUI thread and emits gotMeta there.
// 4. Tempo, ranked chords and the ready signal follow, queued behind the
//    hand-over; they come even without a result, so the views stop waiting.
void MetaDataThread::run()
{
    metaData->metaDataValid.store(false, std::memory_order_release);

    // The chord filter's choice, handed over before the start.
    Analysis analysis = analyse(m_monoData, m_sampleRate, m_manualEntry);
    std::vector<float>().swap(m_monoData);

    QVector<QString> detected;
    if (analysis.result) {
        if (!m_cachePath.isEmpty())
            AnalysisCache::write(m_cachePath, m_audioFileName, *analysis.result, m_recordingSize);
        detected = analysis.result->chordVecDetected;
        metaData->handOver(std::move(*analysis.result));
    } else {
        detected.reserve(int(analysis.record.chordVecDetected.size()));
        for (const std::string& name : analysis.record.chordVecDetected)
            detected.append(QString::fromStdString(name));
    }

    emit setBPM(analysis.record.tempo);
    emit setChordFilterSelection(detected);
    emit gotMetaData();
}
