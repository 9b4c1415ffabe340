// Inside the processing chain: its buffers and the steps of processaudio,
// for the chain's own sources and its tests. Touched only by the thread
// that runs the step.
#pragma once

#include "ChainControls.h"

#include <array>
#include <cstdint>

namespace chain::detail {

constexpr int N = framesize;
constexpr int H = framesize / 2;
constexpr int Q = framesize / 4;

// Every buffer starts on a cache line: the transforms' vector code wants
// them aligned alike.
template <int Length>
struct alignas(64) Buffer : std::array<float, Length>
{
};

struct ChainBuffers
{
    Buffer<N> window;
    Buffer<N> Audio_Frame_Left, Audio_Frame_Right;
    Buffer<N> Audio_Frame_Previous_Left, Audio_Frame_Previous_Right;
    Buffer<N> L_FFTframe, R_FFTframe;
    // A transform's complex half spectrum, bins 0 … N/2 as (real, imaginary).
    Buffer<N + 2> spectrum;
    Buffer<H> FFT_Magnitudes_Left, FFT_Magnitudes_Right, FFT_Phases_Left, FFT_Phases_Right;
    Buffer<H> Previous_FFT_Magnitudes_Left, Previous_FFT_Magnitudes_Right;
    Buffer<H> Previous_FFT_Phases_Left, Previous_FFT_Phases_Right;
    Buffer<H> Left_Phase_Estimate, Right_Phase_Estimate;
    Buffer<H> Left_Phase_Previous_Estimate, Right_Phase_Previous_Estimate;
    Buffer<H> peak_locations;
    int last_trans_l; // zeroed with the rest by init_buffers
    int last_trans_r;
    Buffer<N> Audio_Frame_Processed_Left, Audio_Frame_Processed_Right;
    Buffer<Q> Left_Output, Right_Output;
    Buffer<Q> Left_Part_1024, Right_Part_1024;
    Buffer<H> Left_Part_2048, Right_Part_2048;
    Buffer<3 * Q> Left_Part_3072, Right_Part_3072;
};

extern ChainBuffers buffers;

// Every control a step uses, read once at its start. The factors are
// clamped here so that no caller's value can move a read outside the span
// the step checks, or make the vocoder's analysis hop zero.
struct ChainSnapshot
{
    uint64_t positionWord = 0;
    int position = 0;
    Recording recording;
    bool vocoder = false;
    float hopfactor = 1.0f;
    float interpfactor = 1.0f;
    bool peakcheck = false;
    bool transcheck = false;
    bool isolation = false;
    bool invert = false;
    float azimuth = 0.0f;
    float range = 0.0f;
    float cut = 0.0f;
    float bleed = 0.0f;
    bool hipass = false;
    float plotDivisor = 1.0f;
};

ChainSnapshot takeSnapshot();

// Frames the read position moves in a step made with this snapshot.
int advanceFrames(const ChainSnapshot& snapshot);

// Moves the read position on from the snapshot's; false (and no change)
// when it was stored during the step. Clamps at the int range.
bool advancePosition(const ChainSnapshot& snapshot);

// Overlap-add of the processed frames into the output blocks.
void frame_crossfades();

} // namespace chain::detail
