// Phase vocoder with identity phase locking and transient phase reset, one
// channel of one chain step (after Laroche & Dolson, "Improved phase vocoder
// time-scale modification of audio", 1999; the transient reset after
// Duxbury, Davies & Sandler, "Improved time-scaling of musical audio using
// phase locking at transients", 2002).
//
// In: the polar spectra (bins 0 … n/2 − 1, phases in radians) of the current
// analysis frame and of a frame one chain hop of input earlier. Out: the
// synthesis phase of every bin, continuing the previous step's phases at the
// frequency measured between the two frames. The tempo change is the chain's
// read advance and the pitch change its resampling step; this only keeps the
// phases coherent for them.
#pragma once

// One channel of one step. mode 1 … 3 sets how far up the peak locking (1, 2:
// bins below n/8; 3: below n/4) and the transient reset (2: from bin 1500;
// else from bin 200) reach. interp is the pitch factor (output/input
// frequency; the chain keeps it within 1/8 … 8); position is the read
// position of the step, in frames (below n/2 the phases restart from the
// analysis). peaks needs n/2 floats of scratch. The estimates are kept within
// ±π (plus the locking offsets), so they do not lose precision over minutes.
void TimePitch(int mode, const float* phases, const float* previousPhases, float* estimate,
               float* previousEstimate, int n, float interp, float* peaks, const float* magnitudes,
               const float* previousMagnitudes, int* lastTransient, int position);

// Restarts the synthesis phases from the analysis phases (bins 0 … n/2 − 1).
void Reset_Phases(const float* phases, float* estimate, float* previousEstimate, int n);
