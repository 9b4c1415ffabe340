// The analysis algorithms: onset detection, tempo and metre, beat tracking,
// chroma and chord recognition. DSP holds no state; any instance serves, and
// the caller owns every array the methods work on.
//
// Arithmetic is single precision unless a method says otherwise; rounding to
// an integer is half away from zero, other conversions truncate; maximum
// searches start from 0 and move only to strictly greater values.
#pragma once

class FFTReal;

class DSP
{
public:
    // --- Onset detection ---------------------------------------------------

    // --- Tempo and beats per bar -------------------------------------------

    // --- Beat tracking -----------------------------------------------------

    // --- Chroma --------------------------------------------------------------

    // --- Chord recognition, smoothing and naming ----------------------------
};
