// The one model of analysis results: tempo, beat grid, one chord per beat,
// the ranked chord list and the beat under the play position. Views and the
// player read its public fields directly through a plain pointer.
#pragma once

#include "MetadataRecord.h"
#include "ReaderGate.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <atomic>
#include <optional>

// The model's content as one value, complete and consistent: built on any
// thread, installed on the GUI thread in one step.
struct AnalysisResult
{
    float bpm = 0.0f;
    // One entry more than chordVec: the last beat closes the last chord.
    QVector<float> beats;
    QVector<QString> chordVec;
    QVector<QString> chordVecDetected;
    int beatLengthPercent = 0;
};

class MetaData : public QObject
{
    Q_OBJECT

public:
    explicit MetaData(QObject* parent = nullptr);
    ~MetaData() override;

    // Threads and the model. The object lives in the GUI thread.
    //
    // 1. Only the GUI thread writes bpm, beats, the chord lists,
    //    beatLengthPercent and chordSeq. The analysis thread never touches
    //    them: setMetaData() called there builds the whole AnalysisResult
    //    locally, parks it in an atomic mailbox (release) and posts one
    //    queued call; the GUI thread takes it (acquire) and installs it.
    //    A result posted before resetMetaData() or a cache load is stale and
    //    dropped (generation counter). The analysis thread writes the cache
    //    from its own result; only the GUI thread writes it from the model.
    // 2. The playback thread reads beats only inside a BeatsReadAccess that
    //    succeeded; there it also reads metaDataValid and writes currentBeat.
    //    The access is wait-free: one counter increment and one flag load.
    // 3. Every GUI-thread change of beats (install, reset, changeBeats() for
    //    the beat-offset knob) first closes the gate and waits until no
    //    reader is inside (a reader holds it for one beat scan, microseconds);
    //    a reader refused meanwhile skips its beat tracking for that block
    //    (base::ReaderGate).
    // 4. metaDataValid is stored with release after the fields are filled and
    //    loaded with acquire by other threads; the analysis thread may store
    //    false when a run starts. currentBeat is a lone index (relaxed is
    //    enough); it may exceed a new beat list until the player's next beat
    //    change, so readers bound-check it.
    float bpm = 0.0f;
    int beatLengthPercent = 0;
    QVector<float> beats;
    QVector<QString>* currentChordVec;
    QVector<QString> chordVec;
    QVector<QString> chordVecDetected;
    std::atomic<bool> metaDataValid{false};
    std::atomic<int> currentBeat{0};
    int chordSeq = 0;

    // Playback thread (the GUI thread, the only writer, needs none): while
    // this object converts to true, beats may be read and stay untouched.
    // Const access only (constData(), at(), size()): operator[] on a
    // non-const vector may copy. Never blocks, never allocates.
    class BeatsReadAccess
    {
    public:
        explicit BeatsReadAccess(const MetaData& model) : m_read(model.m_beatsGate) { }
        explicit operator bool() const { return bool(m_read); }

    private:
        base::ReaderGate::Read m_read;
    };

    // GUI thread: changes beats in place with the readers held off (the
    // beat-offset knob). change is called as change(QVector<float>& beats).
    // Waits for readers, so never call it inside a BeatsReadAccess.
    template <class Change>
    void changeBeats(Change&& change)
    {
        BeatsWriteGate gate(*this);
        change(beats);
    }

    // Builds the model's content from the driver's record: renames exactly
    // "D#" and "G#" to "Eb" and "Ab", adds the closing beat, marks intro and
    // outro. Empty when the record cannot make a model (fewer than two beats,
    // no chord, a position that is not a finite number). Any thread.
    static std::optional<AnalysisResult> resultFromRecord(const metadata& record);
    // The same from the cache reader's lists: [0] beat texts, [1] chords,
    // [2] ranked chords (empty entries dropped), [3][0] tempo text. Also
    // empty when a beat or the tempo is no number. Any thread.
    static std::optional<AnalysisResult> resultFromLists(const QVector<QString>* lists);

    // Any thread. Off the GUI thread the result is handed over with one
    // queued call (see above); on it, it is installed at once. Either way the
    // latest result wins. Emits gotMeta() on the GUI thread once installed.
    // Returns false, leaving the model as it is, when the record cannot make
    // a model.
    bool setMetaData(const metadata& record);
    // The same for a result already built (the analysis thread builds it
    // once, writes the cache from it and hands it over).
    void handOver(AnalysisResult result);

    // GUI thread. Lists as for resultFromLists; at least four. Emits setBpm,
    // setChordFilterSelection and gotMeta, in this order. Returns false, with
    // the model untouched and nothing emitted, for unusable lists.
    bool setMetaDataFromFile(const QVector<QString>* lists);

    // GUI thread: a new file. Keeps the chord lists and beatLengthPercent;
    // readers rely on metaDataValid. Drops any result still on its way.
    void resetMetaData();

    // GUI thread: the current content, e.g. for the cache writer after a
    // chord edit.
    AnalysisResult currentResult() const;

    // Turns the "X" of beats outside the tracked range into "-".
    void changeIntroOutroText();
    static void changeIntroOutroText(QVector<QString>& chords);

signals:
    // Relayed from the player's own changeBeat() (playback thread, queued).
    void changeBeat();
    void gotMeta();
    void setBpm(float bpm);
    void setChordFilterSelection(QVector<QString> selection);

private slots:
    // Named, not a functor: the queued call then carries no data of ours, so
    // the only hand-over ThreadSanitizer must follow is the mailbox.
    void takeHandOver();

private:
    struct PendingResult
    {
        AnalysisResult result;
        quint64 generation;
    };

    // GUI thread only.
    class BeatsWriteGate
    {
    public:
        explicit BeatsWriteGate(MetaData& model);

    private:
        base::ReaderGate::Write m_write;
    };

    void install(const AnalysisResult& result);
    void dropPending();

    base::ReaderGate m_beatsGate;
    std::atomic<PendingResult*> m_pending{nullptr};
    std::atomic<quint64> m_generation{0};

    static_assert(std::atomic<bool>::is_always_lock_free);
    static_assert(std::atomic<int>::is_always_lock_free);
    static_assert(std::atomic<PendingResult*>::is_always_lock_free);
    static_assert(std::atomic<quint64>::is_always_lock_free);
};
