// The real FFT as plain scalar code, one butterfly after another: the
// yardstick the vectorised FFTReal must equal bit for bit (zeros' signs
// included), and the transform of the tests' reference chain. The same
// layout and scaling as FFTReal.
#pragma once

#include <cassert>
#include <cmath>
#include <cstdint>

class ScalarFFT
{
public:
    explicit ScalarFFT(long length);
    ~ScalarFFT();

    ScalarFFT(const ScalarFFT&) = delete;
    ScalarFFT& operator=(const ScalarFFT&) = delete;

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

namespace scalar_fft_detail {

inline int bitsForLength(long length)
{
    return static_cast<int>(std::floor(std::log(static_cast<double>(length)) / std::log(2.0) + 0.5));
}

} // namespace scalar_fft_detail

inline ScalarFFT::BitReversedLUT::BitReversedLUT(int nbrBits)
{
    const int64_t length = int64_t(1) << nbrBits;
    _ptr = new int64_t[length];
    // Each entry is the previous one plus one, counted with the bits reversed.
    int64_t r = 0;
    _ptr[0] = 0;
    for (int64_t i = 1; i < length; ++i) {
        int64_t bit = length >> 1;
        while (((r ^= bit) & bit) == 0)
            bit >>= 1;
        _ptr[i] = r;
    }
}

inline ScalarFFT::BitReversedLUT::~BitReversedLUT()
{
    delete[] _ptr;
    _ptr = nullptr;
}

inline ScalarFFT::TrigoLUT::TrigoLUT(int nbrBits)
{
    if (nbrBits < 4)
        return;
    const long total = (1L << (nbrBits - 1)) - 4;
    _ptr = new float[total];
    for (int level = 3; level < nbrBits; ++level) {
        const long count = 1L << (level - 1);
        float* block = _ptr + (count - 4);
        const double mul = M_PI / double(1L << level);
        for (long i = 0; i < count; ++i)
            block[i] = static_cast<float>(std::cos(double(i) * mul));
    }
}

inline ScalarFFT::TrigoLUT::~TrigoLUT()
{
    delete[] _ptr;
    _ptr = nullptr;
}

inline ScalarFFT::ScalarFFT(long length)
    : _nbr_bits(scalar_fft_detail::bitsForLength(length)), _bit_rev_lut(_nbr_bits), _trigo_lut(_nbr_bits),
      _sqrt2_2(static_cast<float>(std::sqrt(2.0) * 0.5)), _length(length)
{
    assert((1L << _nbr_bits) == length);
    if (_nbr_bits >= 3)
        _buffer_ptr = new float[_length];
}

inline ScalarFFT::~ScalarFFT()
{
    delete[] _buffer_ptr;
    _buffer_ptr = nullptr;
}

inline void ScalarFFT::do_fft(float* f, const float* x) const
{
    switch (_nbr_bits) {
    case 0:
        f[0] = x[0];
        return;
    case 1:
        f[0] = x[0] + x[1];
        f[1] = x[0] - x[1];
        return;
    case 2: {
        f[1] = x[0] - x[2];
        f[3] = x[1] - x[3];
        const float s02 = x[0] + x[2];
        const float s13 = x[1] + x[3];
        f[0] = s02 + s13;
        f[2] = s02 - s13;
        return;
    }
    default:
        forward8plus(f, x);
    }
}

inline void ScalarFFT::do_ifft(const float* f, float* x) const
{
    switch (_nbr_bits) {
    case 0:
        x[0] = f[0];
        return;
    case 1:
        x[0] = f[0] + f[1];
        x[1] = f[0] - f[1];
        return;
    case 2: {
        const float b0 = f[0] + f[2];
        const float b2 = f[0] - f[2];
        x[0] = b0 + f[1] * 2;
        x[2] = b0 - f[1] * 2;
        x[1] = b2 + f[3] * 2;
        x[3] = b2 - f[3] * 2;
        return;
    }
    default:
        inverse8plus(f, x);
    }
}

inline void ScalarFFT::rescale(float* x) const
{
    const float mul = static_cast<float>(1.0 / double(_length));
    for (int64_t i = 0; i < _length; ++i)
        x[i] *= mul;
}

inline void ScalarFFT::forward8plus(float* f, const float* x) const
{
    const int64_t* rev = _bit_rev_lut.get_ptr();
    const float r = _sqrt2_2;

    // Stages alternate between f and the work buffer so that the last writes f.
    float* df = (_nbr_bits & 1) ? _buffer_ptr : f;
    float* sf = (_nbr_bits & 1) ? f : _buffer_ptr;

    // First and second stages, reading x in bit-reversed order.
    for (int64_t i = 0; i < _length; i += 4) {
        const float a = x[rev[i]];
        const float b = x[rev[i + 1]];
        const float c = x[rev[i + 2]];
        const float d = x[rev[i + 3]];
        df[i + 1] = a - b;
        df[i + 3] = c - d;
        const float ab = a + b;
        const float cd = c + d;
        df[i] = ab + cd;
        df[i + 2] = ab - cd;
    }

    // Third stage.
    for (int64_t i = 0; i < _length; i += 8) {
        const float* s = df + i;
        float* d = sf + i;
        d[0] = s[0] + s[4];
        d[4] = s[0] - s[4];
        d[2] = s[2];
        d[6] = s[6];
        float v = (s[5] - s[7]) * r;
        d[1] = s[1] + v;
        d[3] = s[1] - v;
        v = (s[5] + s[7]) * r;
        d[5] = v + s[3];
        d[7] = v - s[3];
    }

    // Remaining stages, one per level.
    for (int level = 3; level < _nbr_bits; ++level) {
        const int64_t n = int64_t(1) << level;
        const int64_t h = n >> 1;
        const float* cosTable = _trigo_lut.get_ptr(level);
        const float* s = sf;
        float* d = df;
        for (int64_t i = 0; i < _length; i += n * 2) {
            d[i] = s[i] + s[i + n];
            d[i + n] = s[i] - s[i + n];
            d[i + h] = s[i + h];
            d[i + n + h] = s[i + n + h];
            for (int64_t j = 1; j < h; ++j) {
                const float c = cosTable[j];
                const float q = cosTable[h - j];
                float v = s[i + n + j] * c - s[i + n + h + j] * q;
                d[i + j] = s[i + j] + v;
                d[i + n - j] = s[i + j] - v;
                v = s[i + n + j] * q + s[i + n + h + j] * c;
                d[i + n + j] = v + s[i + h + j];
                d[i + 2 * n - j] = v - s[i + h + j];
            }
        }
        float* t = sf;
        sf = df;
        df = t;
    }
}

inline void ScalarFFT::inverse8plus(const float* f, float* x) const
{
    const int64_t* rev = _bit_rev_lut.get_ptr();
    const float r = _sqrt2_2;

    // The level stages alternate between x and the work buffer so that the
    // third stage writes the work buffer, which the last stage reads.
    const int levelStages = _nbr_bits - 3;
    const float* s = f;
    float* d = (levelStages & 1) ? x : _buffer_ptr;
    float* other = (levelStages & 1) ? _buffer_ptr : x;

    for (int level = _nbr_bits - 1; level >= 3; --level) {
        const int64_t n = int64_t(1) << level;
        const int64_t h = n >> 1;
        const float* cosTable = _trigo_lut.get_ptr(level);
        for (int64_t i = 0; i < _length; i += n * 2) {
            d[i] = s[i] + s[i + n];
            d[i + n] = s[i] - s[i + n];
            d[i + h] = s[i + h] * 2;
            d[i + n + h] = s[i + n + h] * 2;
            for (int64_t j = 1; j < h; ++j) {
                d[i + j] = s[i + j] + s[i + n - j];
                d[i + h + j] = s[i + n + j] - s[i + 2 * n - j];
                const float c = cosTable[j];
                const float q = cosTable[h - j];
                const float vr = s[i + j] - s[i + n - j];
                const float vi = s[i + n + j] + s[i + 2 * n - j];
                d[i + n + j] = vr * c + vi * q;
                d[i + n + h + j] = vi * c - vr * q;
            }
        }
        s = d;
        float* t = d;
        d = other;
        other = t;
    }

    // Third stage, into the work buffer.
    float* w = _buffer_ptr;
    for (int64_t i = 0; i < _length; i += 8) {
        const float* si = s + i;
        float* di = w + i;
        const float s0 = si[0], s1 = si[1], s2 = si[2], s3 = si[3];
        const float s4 = si[4], s5 = si[5], s6 = si[6], s7 = si[7];
        di[0] = s0 + s4;
        di[4] = s0 - s4;
        di[2] = s2 * 2;
        di[6] = s6 * 2;
        di[1] = s1 + s3;
        di[3] = s5 - s7;
        const float vr = s1 - s3;
        const float vi = s5 + s7;
        di[5] = (vr + vi) * r;
        di[7] = (vi - vr) * r;
    }

    // Second and first stages, writing x in bit-reversed order.
    for (int64_t i = 0; i < _length; i += 8) {
        for (int64_t q = i; q < i + 8; q += 4) {
            const float b0 = w[q] + w[q + 2];
            const float b2 = w[q] - w[q + 2];
            const float b1 = w[q + 1] * 2;
            const float b3 = w[q + 3] * 2;
            x[rev[q]] = b0 + b1;
            x[rev[q + 1]] = b0 - b1;
            x[rev[q + 2]] = b2 + b3;
            x[rev[q + 3]] = b2 - b3;
        }
    }
}
