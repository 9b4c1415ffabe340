// Real FFT for power-of-two lengths, shared by the analysis and the
// real-time chain (each thread owns its own instances: every transform uses
// the instance's work buffer).
//
// Neither direction is normalised: do_ifft(do_fft(x)) == N * x, and
// rescale() divides by N.
//
// Spectrum layout (forward output, inverse input), N the length:
//   f[0]            sum x[n]                         (bin 0)
//   f[k]            sum x[n] cos(2 pi k n / N)       k = 1 .. N/2-1
//   f[N/2]          sum x[n] (-1)^n                  (bin N/2)
//   f[N/2 + k]      sum x[n] sin(2 pi k n / N)       k = 1 .. N/2-1
// Callers read (f[k], f[N/2 + k]) as the real and imaginary part of bin k;
// for k = 0 that pairs bin 0 with bin N/2.
//
// Only the constructor allocates; the transforms are allocation-free.
#pragma once

#include <cstdint>

class FFTReal
{
public:
    explicit FFTReal(long length);
    ~FFTReal();

    FFTReal(const FFTReal&) = delete;
    FFTReal& operator=(const FFTReal&) = delete;

    // Forward transform of x[0 .. N-1] into f; x is only read, f != x.
    void do_fft(float* f, const float* x) const;
    // Inverse transform of f into x, unscaled; f is only read, f != x.
    void do_ifft(const float* f, float* x) const;
    // x[0 .. N-1] *= 1/N.
    void rescale(float* x) const;

    long length() const { return static_cast<long>(_length); }

private:
    class BitReversedLUT
    {
    public:
        explicit BitReversedLUT(int nbrBits);
        ~BitReversedLUT();
        BitReversedLUT(const BitReversedLUT&) = delete;
        BitReversedLUT& operator=(const BitReversedLUT&) = delete;
        const int64_t* get_ptr() const { return _ptr; }

    private:
        int64_t* _ptr = nullptr;
    };

    class TrigoLUT
    {
    public:
        explicit TrigoLUT(int nbrBits);
        ~TrigoLUT();
        TrigoLUT(const TrigoLUT&) = delete;
        TrigoLUT& operator=(const TrigoLUT&) = delete;
        // The cosine block of one level (3 .. nbrBits-1).
        const float* get_ptr(int level) const { return _ptr + ((1L << (level - 1)) - 4); }

    private:
        float* _ptr = nullptr;
    };

    void forward8plus(float* f, const float* x) const;
    void inverse8plus(const float* f, float* x) const;

    int _nbr_bits;
    BitReversedLUT _bit_rev_lut;
    TrigoLUT _trigo_lut;
    const float _sqrt2_2;
    int64_t _length;
    float* _buffer_ptr = nullptr;
};
