// Loading a session: reads the document (session::readFile, parse), walks
// it (session::walk), opening the recording it names through the shell
// unless that one is open, and hands every held value to the object that
// owns it, then stops playback at the stored position.
//
// Untrusted input. The walk holds no more than the working set; values
// that index a table or would reach the riff model unchecked are kept in
// range here: a `currentRiff` outside 0 … 5 is riff 0 for the riff stack,
// the player and the jam tab; a step's `state` outside 0 … 3 reads 0, its
// samples lie within the recording (its end not before its start), its
// `interp` (no number, not finite or not above 0: 1) within 0.5 … 2 and
// its `semitone` (not finite: 0) within −12 … 12; a ratio that is not the
// semitones' follows them. Everything else is guarded by its setter. A
// riff whose sixteen stored states are all 0 comes back empty. The tempo's
// exactBpm, which older files lack, goes to the tools tab beside `bpm`.
//
// GUI thread.
#pragma once

#include "SessionReading.h"
#include "SessionTargets.h"

#include <QString>

class SessionLoader
{
public:
    enum class Status {
        NotLoaded, // no readable session: nothing changed
        Stopped,   // the recording did not open: what was met before stays
        Completed,
    };

    SessionLoader(const SessionViews& views, SessionShell& shell);

    Status load(const QString& path);
    // The same from a document already in memory.
    Status load(const QByteArray& bytes);
    // Why the last load gave NotLoaded (Ok after any other outcome).
    session::ReadStatus readStatus() const { return readStatus_; }

    // Step values as the riff model and the pitch boxes take them.
    static float stepInterp(const QString& text);
    static float stepSemitone(const QString& text);
    // The ratio a step plays: the stored one while it is 2^(semitone / 12)
    // (within the six digits it was written with), else the semitones'
    // own, so the pitch box shows what is heard.
    static float stepRatio(float interp, float semitone);
    static constexpr float ratioTolerance = 1e-5f;
    static int stepState(const QString& text);

private:
    class MetHandler;

    Status loadDocument(const QDomDocument& document);
    void apply(const session::WorkingSet& set);
    void applyRiffs(const session::WorkingSet& set);

    SessionViews views_;
    SessionShell& shell_;
    session::ReadStatus readStatus_ = session::ReadStatus::Ok;
};
