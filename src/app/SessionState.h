// Every value a session file records, as read from the live objects at the
// moment of saving (SessionWriter::capture), in the units of its element.
// Plain data: the document is made from it (session::toXml).
#pragma once

#include "SessionFormat.h"

#include <QString>

#include <array>

struct SessionStep
{
    int beat = 0;
    int state = 0; // 0 unused, 1 armed, 2 in the loop, 3 outside the loop
    int startSample = 0;
    int endSample = 0;
    float semitone = 0.0f; // the step's pitch box, −12 … 12
    float interp = 1.0f;   // its ratio 2^(semitone / 12)
};

struct SessionRiff
{
    int riffLength = 0;    // the loop ruler's value
    int riffLengthMax = 0; // and its maximum
    std::array<SessionStep, session::stepCount> steps{};
};

struct SessionState
{
    static constexpr std::array<int, session::songSlotCount> emptySong()
    {
        std::array<int, session::songSlotCount> slotList{};
        for (int& slot : slotList)
            slot = -1;
        return slotList;
    }

    QString fileName;
    bool looped = false;
    // The selection's two ends in unzoomed view pixels, in either order,
    // and the same ends in frames, which a load prefers.
    int loopStart = 0;
    int loopEnd = 0;
    int loopStartFrame = 0;
    int loopEndFrame = 0;
    float volume = 0.99f; // the player's gain, 0 … 1; written × 100
    int currentTab = 0;
    int playbackPos = 0;
    bool scrollButton = true;

    struct Tempo
    {
        float mode = 0.0f; // the mode box, written truncated
        float bpm = 0.0f;  // the tempo stored (RealTimeToolsTab::storedTempo), written truncated
        int knobValue = 99;
        bool state = false;
        float exactBpm = 0.0f; // the same unrounded (0: none), which a load prefers
    } tempo;

    struct Pitch
    {
        float semitones = 0.0f; // RealTimeToolsTab::getSemitones
        float fineTune = 50.0f; // the fine-tune box, written truncated
        int knobValue = 99;
        bool state = false;
    } pitch;

    struct SourceSep
    {
        int sepKnobValue = 0;
        int widthKnobValue = 0;
        int filterKnobValue = 0;
        bool hilo = true; // the high band
        int azimuthValue = 0;
        bool solo = true;
        bool state = false;
    } sourceSep;

    struct Chords
    {
        int openClosed = 0;
        int neckType = 0;
        int capo = 0;
        int openContainerPos = 0;
        int powerContainerPos = 0;
        int finderChord = 0;
    } chords;

    bool jamPower = false;
    int currentRiff = 0;
    int beatOffset = 0;
    std::array<SessionRiff, session::riffCount> riffs{};
    int songLength = 0;
    int songLengthMax = 0;
    // −1 an empty slot, 0 … 5 riffs A … F.
    std::array<int, session::songSlotCount> song = emptySong();

    float zoomCentre = 0.0f; // written truncated
    float zoomFactor = 1.0f;
};
