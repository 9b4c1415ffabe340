// The analysis thread: one run of the analysis driver per start, over the
// mono mix of the decoded recording. A run builds the model's content,
// writes the cache from it, hands it to the model and signals the views.
// The object, and its model, live in the GUI thread.
//
// Signals per run, as the GUI thread receives them: gotMetaData (relayed
// from the model once the result is installed), setBPM,
// setChordFilterSelection, gotMetaData. A run whose record makes no model
// (nothing to analyse) skips the first. Per cache load (the model's
// setMetaDataFromFile, no run): setBPM, setChordFilterSelection,
// gotMetaData, once each.
#pragma once

#include "AnalysisCache.h"
#include "ManualChordSelection.h"
#include "MetaData.h"

#include <QString>
#include <QThread>
#include <QVector>

#include <optional>
#include <vector>

class MetaDataThread : public QThread
{
    Q_OBJECT

public:
    explicit MetaDataThread(QObject* parent = nullptr);
    // Waits for a run under way.
    ~MetaDataThread() override;

    // The one model, a child of this object. Read its fields on the GUI
    // thread (MetaData.h says what other threads may touch).
    MetaData* const metaData;

    // The setters below are for the GUI thread while no run is under way
    // (isRunning() false); start() publishes them to the run.

    // Keeps the mono mix of the recording for the next run; the caller's
    // buffers are read only during the call.
    void initMonoData(const float* left, const float* right, int sampleCount, bool stereo, int sampleRate);
    // Where the next run and saveTBM() write the cache, the recording it
    // belongs to (no cache for a path containing ".cda") and that
    // recording's decoded size, stored with it.
    void setFileName(const QString& cachePath, const QString& audioFileName,
                     const AnalysisCache::RecordingSize& size = {});
    // The chord filter's selection handed over with a re-analysis: while it
    // allows some chord, the runs recognise only its chords (a file open
    // resets it).
    void setManualEntryChords(const QVector<QVector<int>>& selection);
    void resetManualEntry();
    const ManualChordSelection& manualEntry() const { return m_manualEntry; }

    // (left + right) * 0.5 per frame for a stereo recording, else the left
    // channel (also when the right one is missing).
    static std::vector<float> monoMix(const float* left, const float* right, int sampleCount, bool stereo);

    // One analysis as a run makes it, on the calling thread: the driver's
    // record and the model's content built from it (empty when the record
    // makes no model). An active chord selection holds the recognition to
    // its chords.
    struct Analysis
    {
        metadata record;
        std::optional<AnalysisResult> result;
    };
    static Analysis analyse(const std::vector<float>& mono, int sampleRate,
                            const ManualChordSelection& selection = ManualChordSelection());

    // saveTBM's work, with its outcome. GUI thread. Writes nothing while
    // the model holds no valid result (reset for a new file, or a run under
    // way that will write its own): the old file stays.
    AnalysisCache::WriteStatus writeCache();

public slots:
    // Writes the cache of the current recording from the model (after a
    // chord edit). GUI thread.
    void saveTBM();

signals:
    void setBPM(float bpm);
    void setChordFilterSelection(QVector<QString> selection);
    void gotMetaData();

protected:
    void run() override;

private:
    std::vector<float> m_monoData;
    int m_sampleRate = 44100;
    QString m_cachePath;
    QString m_audioFileName;
    AnalysisCache::RecordingSize m_recordingSize;
    ManualChordSelection m_manualEntry;
};
