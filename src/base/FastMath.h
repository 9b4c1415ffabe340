// Vectorised maths over arrays, for the loops that take most of the time
// in the analysis and the playback chain: arctangent, sine and cosine, and
// the polar form of a spectrum and back.
//
// Accuracy is that of the standard float functions, not their exact
// rounding: atan2 within 2 units in the last place of the exact value
// (special cases of zeros and signs as std::atan2), sine and cosine within
// 1.5e-7 of the exact value for |x| up to 1000 (the reduction keeps its
// accuracy far beyond the phases used here). A result may therefore differ
// from std::atan2, std::sin or std::cos in its last bits.
//
// Eight lanes at a time, with an AVX2 version chosen at run time where the
// processor has it. No allocation, no lock: fit for the playback thread.
// Arrays of n floats; inputs and outputs may not overlap unless stated.
#pragma once

namespace base {

// out[k] = atan2(y[k], x[k]). out may be y or x.
void atan2Array(const float* y, const float* x, float* out, int n);

// s[k] = sin(x[k]), c[k] = cos(x[k]).
void sinCosArray(const float* x, float* s, float* c, int n);

// The polar form of bins (a[k], b[k]) in the transforms' layout, where the
// bin's imaginary part is -b[k]: magnitudes[k] = sqrt(a² + b²) (rounded as
// std::sqrt of the float sum), phases[k] = atan2(-b[k], a[k]).
void polarOfBins(const float* a, const float* b, float* magnitudes, float* phases, int n);

// As polarOfBins, with phases[k] bit for bit the float std::atan2(-b[k],
// a[k]) of the C library: its classic algorithm in lanes where the library
// is found to use it, the library's own function otherwise.
void polarOfBinsExact(const float* a, const float* b, float* magnitudes, float* phases, int n);

// Back from the polar form: a[k] = cos(phases[k]) · magnitudes[k],
// b[k] = -(sin(phases[k]) · magnitudes[k]).
void binsOfPolar(const float* magnitudes, const float* phases, float* a, float* b, int n);

} // namespace base
