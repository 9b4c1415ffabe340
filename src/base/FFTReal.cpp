#include "FFTReal.h"

#include "CpuDispatch.h"

#include <cassert>
#include <cmath>

namespace {

// Eight floats at a time through the compiler's vector extension: the
// default build gets two SSE operations per line, the AVX2 clone one. Every
// element is computed by the same operations in the same order as the scalar
// form, and nothing is fused (no FMA): the results are bit for bit the same.
typedef float Vec8 __attribute__((vector_size(32)));
typedef int Idx8 __attribute__((vector_size(32)));

#define TB_LOAD8(p)                                                                                               \
    (__extension__({                                                                                              \
        Vec8 v_;                                                                                                  \
        __builtin_memcpy(&v_, (p), sizeof v_);                                                                    \
        v_;                                                                                                       \
    }))
#define TB_STORE8(p, v)                                                                                           \
    (__extension__({                                                                                              \
        const Vec8 s_ = (v);                                                                                      \
        __builtin_memcpy((p), &s_, sizeof s_);                                                                    \
    }))
#if defined(__clang__)
#define TB_REVERSE8(v) __builtin_shufflevector((v), (v), 7, 6, 5, 4, 3, 2, 1, 0)
#else
#define TB_REVERSE8(v) __builtin_shuffle((v), Idx8{7, 6, 5, 4, 3, 2, 1, 0})
#endif

typedef float Vec4 __attribute__((vector_size(16)));
typedef int Idx4 __attribute__((vector_size(16)));

#define TB_LOAD4(p)                                                                                               \
    (__extension__({                                                                                              \
        Vec4 v_;                                                                                                  \
        __builtin_memcpy(&v_, (p), sizeof v_);                                                                    \
        v_;                                                                                                       \
    }))
#define TB_STORE4(p, v)                                                                                           \
    (__extension__({                                                                                              \
        const Vec4 s_ = (v);                                                                                      \
        __builtin_memcpy((p), &s_, sizeof s_);                                                                    \
    }))
// TB_TURN: lane j ≥ 1 takes lane W − j, the reversed order one lane on.
#if defined(__clang__)
#define TB_REVERSE4(v) __builtin_shufflevector((v), (v), 3, 2, 1, 0)
#define TB_TURN4(v) __builtin_shufflevector((v), (v), 0, 3, 2, 1)
#define TB_TURN8(v) __builtin_shufflevector((v), (v), 0, 7, 6, 5, 4, 3, 2, 1)
#else
#define TB_REVERSE4(v) __builtin_shuffle((v), Idx4{3, 2, 1, 0})
#define TB_TURN4(v) __builtin_shuffle((v), Idx4{0, 3, 2, 1})
#define TB_TURN8(v) __builtin_shuffle((v), Idx8{0, 7, 6, 5, 4, 3, 2, 1})
#endif

// One level of the forward transform: butterflies of length 2n from s to d.
// The butterflies j = 1 … W − 1 run as one vector of W lanes whose lane 0
// computes nothing of use: its four results land on the places of the j = 0
// butterfly (or of j = W's, written after them) and are overwritten.
TB_AVX2_CLONES
void forwardLevel(float* d, const float* s, const float* cosTable, int64_t n, int64_t length)
{
    const int64_t h = n >> 1;
    for (int64_t i = 0; i < length; i += n * 2) {
        if (h >= 8) {
            const Vec8 c = TB_LOAD8(cosTable);
            const Vec8 q = TB_TURN8(TB_LOAD8(cosTable + h - 8));
            const Vec8 a = TB_LOAD8(s + i + n);
            const Vec8 b = TB_LOAD8(s + i + n + h);
            const Vec8 e = TB_LOAD8(s + i);
            const Vec8 g = TB_LOAD8(s + i + h);
            const Vec8 v1 = a * c - b * q;
            TB_STORE8(d + i, e + v1);
            TB_STORE8(d + i + n - 7, TB_REVERSE8(e - v1));
            const Vec8 v2 = a * q + b * c;
            TB_STORE8(d + i + n, v2 + g);
            TB_STORE8(d + i + 2 * n - 8, TB_TURN8(v2 - g));
        } else {
            const Vec4 c = TB_LOAD4(cosTable);
            const Vec4 q = TB_TURN4(TB_LOAD4(cosTable + h - 4));
            const Vec4 a = TB_LOAD4(s + i + n);
            const Vec4 b = TB_LOAD4(s + i + n + h);
            const Vec4 e = TB_LOAD4(s + i);
            const Vec4 g = TB_LOAD4(s + i + h);
            const Vec4 v1 = a * c - b * q;
            TB_STORE4(d + i, e + v1);
            TB_STORE4(d + i + n - 3, TB_REVERSE4(e - v1));
            const Vec4 v2 = a * q + b * c;
            TB_STORE4(d + i + n, v2 + g);
            TB_STORE4(d + i + 2 * n - 4, TB_TURN4(v2 - g));
        }
        for (int64_t j = 8; j < h; j += 8) {
            const Vec8 c = TB_LOAD8(cosTable + j);
            const Vec8 q = TB_REVERSE8(TB_LOAD8(cosTable + h - j - 7));
            const Vec8 a = TB_LOAD8(s + i + n + j);
            const Vec8 b = TB_LOAD8(s + i + n + h + j);
            const Vec8 e = TB_LOAD8(s + i + j);
            const Vec8 g = TB_LOAD8(s + i + h + j);
            const Vec8 v1 = a * c - b * q;
            TB_STORE8(d + i + j, e + v1);
            TB_STORE8(d + i + n - j - 7, TB_REVERSE8(e - v1));
            const Vec8 v2 = a * q + b * c;
            TB_STORE8(d + i + n + j, v2 + g);
            TB_STORE8(d + i + 2 * n - j - 7, TB_REVERSE8(v2 - g));
        }
        // The j = 0 butterfly, over the lanes that stood in for it.
        d[i] = s[i] + s[i + n];
        d[i + n] = s[i] - s[i + n];
        d[i + h] = s[i + h];
        d[i + n + h] = s[i + n + h];
    }
}

// One level of the inverse transform, from s to d.
TB_AVX2_CLONES
void inverseLevel(float* d, const float* s, const float* cosTable, int64_t n, int64_t length)
{
    const int64_t h = n >> 1;
    const int64_t scalarEnd = h >= 16 ? 8 : h;
    for (int64_t i = 0; i < length; i += n * 2) {
        d[i] = s[i] + s[i + n];
        d[i + n] = s[i] - s[i + n];
        d[i + h] = s[i + h] * 2;
        d[i + n + h] = s[i + n + h] * 2;
        for (int64_t j = 1; j < scalarEnd; ++j) {
            d[i + j] = s[i + j] + s[i + n - j];
            d[i + h + j] = s[i + n + j] - s[i + 2 * n - j];
            const float c = cosTable[j];
            const float q = cosTable[h - j];
            const float vr = s[i + j] - s[i + n - j];
            const float vi = s[i + n + j] + s[i + 2 * n - j];
            d[i + n + j] = vr * c + vi * q;
            d[i + n + h + j] = vi * c - vr * q;
        }
        for (int64_t j = scalarEnd; j < h; j += 8) {
            const Vec8 c = TB_LOAD8(cosTable + j);
            const Vec8 q = TB_REVERSE8(TB_LOAD8(cosTable + h - j - 7));
            const Vec8 a = TB_LOAD8(s + i + j);
            const Vec8 b = TB_REVERSE8(TB_LOAD8(s + i + n - j - 7));
            const Vec8 e = TB_LOAD8(s + i + n + j);
            const Vec8 g = TB_REVERSE8(TB_LOAD8(s + i + 2 * n - j - 7));
            TB_STORE8(d + i + j, a + b);
            TB_STORE8(d + i + h + j, e - g);
            const Vec8 vr = a - b;
            const Vec8 vi = e + g;
            TB_STORE8(d + i + n + j, vr * c + vi * q);
            TB_STORE8(d + i + n + h + j, vi * c - vr * q);
        }
    }
}

int bitsForLength(long length)
{
    return static_cast<int>(std::floor(std::log(static_cast<double>(length)) / std::log(2.0) + 0.5));
}

} // namespace

FFTReal::BitReversedLUT::BitReversedLUT(int nbrBits)
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

FFTReal::BitReversedLUT::~BitReversedLUT()
{
    delete[] _ptr;
    _ptr = nullptr;
}

FFTReal::TrigoLUT::TrigoLUT(int nbrBits)
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

FFTReal::TrigoLUT::~TrigoLUT()
{
    delete[] _ptr;
    _ptr = nullptr;
}

FFTReal::FFTReal(long length)
    : _nbr_bits(bitsForLength(length)), _bit_rev_lut(_nbr_bits), _trigo_lut(_nbr_bits),
      _sqrt2_2(static_cast<float>(std::sqrt(2.0) * 0.5)), _length(length)
{
    assert((1L << _nbr_bits) == length);
    if (_nbr_bits >= 3)
        _buffer_ptr = new float[_length];
}

FFTReal::~FFTReal()
{
    delete[] _buffer_ptr;
    _buffer_ptr = nullptr;
}

void FFTReal::do_fft(float* f, const float* x) const
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

void FFTReal::do_ifft(const float* f, float* x) const
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

void FFTReal::rescale(float* x) const
{
    const float mul = static_cast<float>(1.0 / double(_length));
    for (int64_t i = 0; i < _length; ++i)
        x[i] *= mul;
}

void FFTReal::forward8plus(float* f, const float* x) const
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
        forwardLevel(df, sf, _trigo_lut.get_ptr(level), int64_t(1) << level, _length);
        float* t = sf;
        sf = df;
        df = t;
    }
}

void FFTReal::inverse8plus(const float* f, float* x) const
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
        inverseLevel(d, s, _trigo_lut.get_ptr(level), int64_t(1) << level, _length);
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
