// The record the analysis driver returns for one recording. Plain standard
// types: it is built on the analysis thread and handed to the result model.
#pragma once

#include <string>
#include <vector>

struct metadata
{
    // Tempo in beats per minute, as the tempo stage returns it.
    float tempo = 0.0f;
    // Beat grid in samples, ascending, covering the whole recording.
    std::vector<float> beats;
    // One chord name per entry of beats: "X" for the grid beats added before
    // the first and after the last tracked beat.
    std::vector<std::string> chordVec;
    // The 84 ranked chord names, most frequent first, then empty strings.
    std::vector<std::string> chordVecDetected;
};
