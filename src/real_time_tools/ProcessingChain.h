// The real-time processing chain: one block of `hop` stereo frames per step,
// from one 4096-frame Hann-windowed analysis frame per channel at the read
// position, through the FFT, the optional isolation (ADRess) and phase
// vocoder (tempo and pitch), the inverse FFT and a four-frame overlap-add.
// Input is the published recording (full scale ±1); output is full scale ±1
// with the overlap-add gain of about 0.75, three steps behind a flush.
//
// There is one chain per process. Its controls are in ChainControls.h.
//
// Threading contract:
// - init_buffers once, before any step (the player's constructor).
// - Steps run on one thread at a time: the playback thread while playing,
//   the GUI thread for offline renders after playback has stopped. A step
//   that finds another step running does nothing and returns false, so an
//   overlap never corrupts the chain; a caller that must run (a render)
//   retries after the playback thread has finished its block.
// - Controls may be written from any thread at any time; each step uses the
//   values it read at its start.
// - flushBuffers and resetPhases may be called from any thread: they take
//   effect at the start of the next step, before it reads anything.
// - A step allocates nothing, takes no lock and logs nothing.
#pragma once

#include "ChainControls.h"

#include <atomic>

// Allocates the transform tables and clears every buffer, the histogram and
// the phase state; fills the window. Not while a step may run.
void init_buffers();

// Fills w[0 … n − 1] with this chain's Hann window, 0.5·(1 − cos(6.2831853 ·
// (i + 1) / (n + 1))): neither end is 0, and the squares of four windows a
// quarter apart sum to about 1.5. Not the analysis window (DSP::hanning):
// the two use different constants on purpose; keep them apart.
void hanning(float* w, int n);

// One step: `hop` frames into outLeft and outRight; while isolation runs,
// the isolation curve (isolationCurveLength values, relaxed stores, so the
// GUI may read it at any time) into graph (may be null); then advances
// currentposition, unless someone stored it during the step. Frames before 0
// or at or after the end of the recording read as silence. Returns false,
// touching nothing, before init_buffers or while another step runs.
bool processaudio(float* outLeft, float* outRight, std::atomic<float>* graph);

// Polar form of bins 0 … n/2 − 1 of a spectrum in FFTReal's layout (bin 0
// pairs with the value of bin n/2), and back. Phases in radians.
void convert_polar(const float* spectrum, float* magnitudes, float* phases, int n);
void convert_cartesian(float* spectrum, const float* magnitudes, const float* phases, int n);

// Empties the overlap-add state, so the next blocks fade in from silence
// over three steps. Applied at the start of the next step.
void flushBuffers();

// Restarts the vocoder's synthesis phases from the last analysis phases
// (at loop jumps). Applied at the start of the next step.
void resetPhases();
