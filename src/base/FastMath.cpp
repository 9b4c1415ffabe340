#include "FastMath.h"

#include "CpuDispatch.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace base {

namespace {

// Eight floats through the compiler's vector extension: two SSE operations
// per line in the default build, one in the AVX2 clone.
typedef float Vec8 __attribute__((vector_size(32)));
typedef int Int8 __attribute__((vector_size(32)));

constexpr int lanes = 8;

// Everything below is inlined into each clone, so that the AVX2 clone runs
// AVX2 code throughout.
#define TB_INLINE inline __attribute__((always_inline))
// π/4, π/2 and π as a float and the float remainder: the additions of
// the arctangent keep their accuracy where they cancel.
constexpr float quarterPi = 0.785398163397448310f;
constexpr float quarterPiLow = float(0.785398163397448310 - double(quarterPi));
constexpr float halfPi = 1.570796326794896619f;
constexpr float halfPiLow = float(1.570796326794896619 - double(halfPi));
constexpr float piF = 3.141592653589793238f;
constexpr float piLow = float(3.141592653589793238 - double(piF));

TB_INLINE Vec8 splat(float v)
{
    return Vec8{v, v, v, v, v, v, v, v};
}

TB_INLINE Int8 splatInt(int v)
{
    return Int8{v, v, v, v, v, v, v, v};
}

TB_INLINE Vec8 load(const float* p)
{
    Vec8 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

TB_INLINE void store(float* p, const Vec8& v)
{
    std::memcpy(p, &v, sizeof v);
}

TB_INLINE Vec8 absolute(const Vec8& v)
{
    return (Vec8)((Int8)v & splatInt(0x7fffffff));
}

TB_INLINE Int8 signBits(const Vec8& v)
{
    return (Int8)v & splatInt(INT_MIN);
}

// Rounds as std::sqrt does: both are the correctly rounded IEEE root.
TB_INLINE Vec8 squareRoot(const Vec8& v)
{
#if defined(__SSE__)
    __m128 halves[2];
    std::memcpy(halves, &v, sizeof v);
    halves[0] = _mm_sqrt_ps(halves[0]);
    halves[1] = _mm_sqrt_ps(halves[1]);
    Vec8 r;
    std::memcpy(&r, halves, sizeof r);
    return r;
#else
    Vec8 r;
    for (int i = 0; i < lanes; ++i)
        r[i] = std::sqrt(v[i]);
    return r;
#endif
}

// atan2 by octant: the smaller of |x|, |y| over the larger, reduced below
// tan(π/8) by (t − 1)/(t + 1) with π/4 added back, then a minimax
// polynomial of degree 9 (Moshier's). Zeros as std::atan2: the ratio of two
// zeros counts as 0, a negative zero x as a negative x.
TB_INLINE void atan2Lanes(const Vec8& y, const Vec8& x, Vec8& out)
{
    const Vec8 ax = absolute(x);
    const Vec8 ay = absolute(y);
    const Int8 swap = ay > ax;
    const Vec8 small = swap ? ax : ay;
    const Vec8 large = swap ? ay : ax;
    const Int8 above = small > large * splat(0.414213562373095049f);
    // One division for both ranges: (s − l)/(s + l) is (t − 1)/(t + 1).
    const Vec8 num = above ? small - large : small;
    const Vec8 den = above ? small + large : large;
    Vec8 t = num / den;
    t = large > splat(0.0f) ? t : splat(0.0f);
    const Vec8 z = t * t;
    Vec8 p = splat(8.05374449538e-2f) * z - splat(1.38776856032e-1f);
    p = p * z + splat(1.99777106478e-1f);
    p = p * z - splat(3.33329491539e-1f);
    p = p * z * t + t;
    Vec8 r = (above ? splat(quarterPi) : splat(0.0f)) + (p + (above ? splat(quarterPiLow) : splat(0.0f)));
    r = swap ? (splat(halfPi) - r) + splat(halfPiLow) : r;
    r = signBits(x) != splatInt(0) ? (splat(piF) - r) + splat(piLow) : r;
    out = (Vec8)((Int8)r | signBits(y));
}

// sin and cos after Moshier: x reduced by the nearest even multiple j of
// π/4 in three parts of π/4 (exact products for |x| far beyond 1000), two
// polynomials on [−π/4, π/4], swapped and signed by j.
TB_INLINE void sinCosLanes(const Vec8& x, Vec8& s, Vec8& c)
{
    const Vec8 ax = absolute(x);
    Int8 j = __builtin_convertvector(ax * splat(1.27323954473516268f), Int8);
    j = (j + splatInt(1)) & splatInt(~1);
    const Vec8 q = __builtin_convertvector(j, Vec8);
    Vec8 r = ax - q * splat(0.78515625f);
    r = r - q * splat(2.4187564849853515625e-4f);
    r = r - q * splat(3.77489497744594108e-8f);
    const Vec8 z = r * r;
    Vec8 ps = splat(-1.9515295891e-4f) * z + splat(8.3321608736e-3f);
    ps = ps * z - splat(1.6666654611e-1f);
    ps = ps * z * r + r;
    Vec8 pc = splat(2.443315711809948e-5f) * z - splat(1.388731625493765e-3f);
    pc = pc * z + splat(4.166664568298827e-2f);
    pc = pc * z * z - splat(0.5f) * z + splat(1.0f);
    const Int8 swapped = (j & splatInt(2)) != splatInt(0);
    const Vec8 sine = swapped ? pc : ps;
    const Vec8 cosine = swapped ? ps : pc;
    const Int8 sineSign = (((j & splatInt(4)) != splatInt(0)) & splatInt(INT_MIN)) ^ signBits(x);
    const Int8 cosineSign = (((j + splatInt(2)) & splatInt(4)) != splatInt(0)) & splatInt(INT_MIN);
    s = (Vec8)((Int8)sine ^ sineSign);
    c = (Vec8)((Int8)cosine ^ cosineSign);
}

// The float arctangent of the C library in lanes, the same operations in
// the same order for every input (the branches become selections): the
// classic algorithm (Sun's, 1993) that glibc's atanf and atan2f use.
// Four intervals of |x| below 2^25 reduce the argument around atan(1/2),
// atan(1), atan(3/2) and π/2, then two polynomials in x⁴.
constexpr float atanHigh[4] = {4.6364760399e-01f, 7.8539812565e-01f, 9.8279368877e-01f, 1.5707962513e+00f};
constexpr float atanLow[4] = {5.0121582440e-09f, 3.7748947079e-08f, 3.4473217170e-08f, 7.5497894159e-08f};
constexpr float atanTerms[11] = {3.3333334327e-01f, -2.0000000298e-01f, 1.4285714924e-01f, -1.1111110449e-01f,
                                 9.0908870101e-02f, -7.6918758452e-02f, 6.6610731184e-02f, -5.8335702866e-02f,
                                 4.9768779427e-02f, -3.6531571299e-02f, 1.6285819933e-02f};

TB_INLINE Vec8 pick(const Int8& id, const float (&values)[4])
{
    return id == splatInt(0) ? splat(values[0])
        : id == splatInt(1)  ? splat(values[1])
        : id == splatInt(2)  ? splat(values[2])
                             : splat(values[3]);
}

TB_INLINE void libraryAtanLanes(const Vec8& input, Vec8& out)
{
    const Int8 hx = (Int8)input;
    const Int8 ix = hx & splatInt(0x7fffffff);
    const Vec8 x = absolute(input);
    // -1: no reduction; 0 … 3: the interval.
    const Int8 id = ix < splatInt(0x3ee00000) ? splatInt(-1)
        : ix < splatInt(0x3f300000)           ? splatInt(0)
        : ix < splatInt(0x3f980000)           ? splatInt(1)
        : ix < splatInt(0x401c0000)           ? splatInt(2)
                                              : splatInt(3);
    const Vec8 num = id == splatInt(0) ? splat(2.0f) * x - splat(1.0f)
        : id == splatInt(1)            ? x - splat(1.0f)
        : id == splatInt(2)            ? x - splat(1.5f)
                                       : splat(-1.0f);
    const Vec8 den = id == splatInt(0) ? splat(2.0f) + x
        : id == splatInt(1)            ? x + splat(1.0f)
        : id == splatInt(2)            ? splat(1.0f) + splat(1.5f) * x
                                       : x;
    // Lanes that take the tiny or the huge result skip the polynomial: a
    // zero keeps their squares out of the slow subnormal range.
    const Int8 outside = (ix < splatInt(0x31000000)) | (ix >= splatInt(0x4c000000));
    Vec8 reduced = id < splatInt(0) ? input : num / den;
    reduced = outside ? splat(0.0f) : reduced;
    const Vec8 z = reduced * reduced;
    const Vec8 w = z * z;
    const Vec8 s1 = z
        * (splat(atanTerms[0])
           + w
               * (splat(atanTerms[2])
                  + w
                      * (splat(atanTerms[4])
                         + w * (splat(atanTerms[6]) + w * (splat(atanTerms[8]) + w * splat(atanTerms[10]))))));
    const Vec8 s2 = w
        * (splat(atanTerms[1])
           + w
               * (splat(atanTerms[3])
                  + w * (splat(atanTerms[5]) + w * (splat(atanTerms[7]) + w * splat(atanTerms[9])))));
    const Vec8 sum = s1 + s2;
    const Vec8 unreduced = reduced - reduced * sum;
    const Vec8 magnitude = pick(id, atanHigh) - ((reduced * sum - pick(id, atanLow)) - reduced);
    const Vec8 signedResult = (Vec8)((Int8)magnitude | (hx & splatInt(INT_MIN)));
    Vec8 r = id < splatInt(0) ? unreduced : signedResult;
    // Tiny: x itself; from 2^25 on: ±π/2 as the two parts add in float.
    r = ix < splatInt(0x31000000) ? input : r;
    const Vec8 quarterTurn = splat(atanHigh[3] + atanLow[3]);
    r = ix >= splatInt(0x4c000000) ? (Vec8)((Int8)quarterTurn | (hx & splatInt(INT_MIN))) : r;
    out = r;
}

// The library's atan2f for finite y and x: zeros and the axes first, then
// atanf of |y/x| placed in its quadrant with π's low part.
TB_INLINE void libraryAtan2Lanes(const Vec8& y, const Vec8& x, Vec8& out)
{
    constexpr float piHigh = 3.1415927410e+00f;
    constexpr float piLowPart = -8.7422776573e-08f;
    constexpr float halfPiHigh = 1.5707963705e+00f;
    const Int8 hx = (Int8)x;
    const Int8 hy = (Int8)y;
    const Int8 ix = hx & splatInt(0x7fffffff);
    const Int8 iy = hy & splatInt(0x7fffffff);
    const Int8 yNegative = hy < splatInt(0);
    const Int8 xNegative = hx < splatInt(0);

    const Int8 k = (iy - ix) >> 23;
    // x = 1 takes atanf(y) itself, the others atanf(|y/x|): one evaluation.
    const Int8 xIsOne = hx == splatInt(0x3f800000);
    Vec8 atanOfRatio;
    libraryAtanLanes(xIsOne ? y : absolute(y / x), atanOfRatio);
    Vec8 z = k > splatInt(26) ? splat(halfPiHigh + 0.5f * piLowPart) : atanOfRatio;
    z = (xNegative & (k < splatInt(-26))) ? splat(0.0f) : z;

    const Vec8 aboveRight = z;
    const Vec8 belowRight = (Vec8)((Int8)z ^ splatInt(INT_MIN));
    const Vec8 aboveLeft = splat(piHigh) - (z - splat(piLowPart));
    const Vec8 belowLeft = (z - splat(piLowPart)) - splat(piHigh);
    Vec8 r = xNegative ? (yNegative ? belowLeft : aboveLeft) : (yNegative ? belowRight : aboveRight);

    r = xIsOne ? atanOfRatio : r;
    // x = ±0 (y not 0): ±π/2; y = ±0: ±0 right of the axis, ±π left of it.
    r = ix == splatInt(0) ? (yNegative ? splat(-halfPiHigh) : splat(halfPiHigh)) : r;
    const Vec8 onAxis = xNegative ? (yNegative ? splat(-piHigh) : splat(piHigh)) : y;
    r = iy == splatInt(0) ? onAxis : r;
    out = r;
}

// Runs lanesOf over whole groups of eight, then over the tail padded with
// `pad` (a value every lane function accepts).
template <int Inputs, int Outputs, class Lanes>
TB_INLINE void overArrays(const float* const (&in)[Inputs], float* const (&out)[Outputs], int n, Lanes lanesOf)
{
    int k = 0;
    for (; k + lanes <= n; k += lanes) {
        Vec8 v[Inputs];
        Vec8 r[Outputs];
        for (int i = 0; i < Inputs; ++i)
            v[i] = load(in[i] + k);
        lanesOf(v, r);
        for (int o = 0; o < Outputs; ++o)
            store(out[o] + k, r[o]);
    }
    if (k == n)
        return;
    float tail[Inputs][lanes] = {};
    float result[Outputs][lanes];
    for (int i = 0; i < Inputs; ++i)
        std::memcpy(tail[i], in[i] + k, sizeof(float) * size_t(n - k));
    Vec8 v[Inputs];
    Vec8 r[Outputs];
    for (int i = 0; i < Inputs; ++i)
        v[i] = load(tail[i]);
    lanesOf(v, r);
    for (int o = 0; o < Outputs; ++o) {
        store(result[o], r[o]);
        std::memcpy(out[o] + k, result[o], sizeof(float) * size_t(n - k));
    }
}

} // namespace

TB_AVX2_CLONES void atan2Array(const float* y, const float* x, float* out, int n)
{
    overArrays<2, 1>(
        {y, x}, {out}, n,
        [](const Vec8* v, Vec8* r) __attribute__((always_inline)) { atan2Lanes(v[0], v[1], r[0]); });
}

TB_AVX2_CLONES void sinCosArray(const float* x, float* s, float* c, int n)
{
    overArrays<1, 2>(
        {x}, {s, c}, n,
        [](const Vec8* v, Vec8* r) __attribute__((always_inline)) { sinCosLanes(v[0], r[0], r[1]); });
}

TB_AVX2_CLONES void polarOfBins(const float* a, const float* b, float* magnitudes, float* phases, int n)
{
    overArrays<2, 2>(
        {a, b}, {magnitudes, phases}, n, [](const Vec8* v, Vec8* r) __attribute__((always_inline)) {
            r[0] = squareRoot(v[0] * v[0] + v[1] * v[1]);
            atan2Lanes(-v[1], v[0], r[1]);
        });
}

namespace {

TB_AVX2_CLONES void polarOfBinsLibraryLanes(const float* a, const float* b, float* magnitudes, float* phases,
                                            int n)
{
    overArrays<2, 2>(
        {a, b}, {magnitudes, phases}, n, [](const Vec8* v, Vec8* r) __attribute__((always_inline)) {
            r[0] = squareRoot(v[0] * v[0] + v[1] * v[1]);
            libraryAtan2Lanes(-v[1], v[0], r[1]);
        });
}

// Whether the lanes give the C library's atan2f bit for bit: checked once
// on values of every size and sign, the zeros and the axes.
bool lanesMatchTheLibrary()
{
    constexpr int count = 4096;
    static float a[count];
    static float b[count];
    static float magnitudes[count];
    static float phases[count];
    unsigned state = 12345u;
    for (int i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        const float unit = float(int(state >> 8) - (1 << 23)) / float(1 << 23);
        state = state * 1664525u + 1013904223u;
        const int exponent = int(state >> 26) - 32;
        a[i] = std::ldexp(unit, exponent);
        state = state * 1664525u + 1013904223u;
        b[i] = std::ldexp(float(int(state >> 8) - (1 << 23)) / float(1 << 23), exponent + int(state >> 29) - 4);
    }
    const float specials[] = {0.0f, -0.0f, 1.0f, -1.0f, 3.0f, -3.0f, 1e-30f, -1e30f};
    int i = 0;
    for (float p : specials)
        for (float q : specials) {
            a[i] = p;
            b[i] = q;
            ++i;
        }
    polarOfBinsLibraryLanes(a, b, magnitudes, phases, count);
    for (int k = 0; k < count; ++k) {
        // Bit patterns, so that a zero's sign counts.
        const float expected = std::atan2(-b[k], a[k]);
        uint32_t expectedBits;
        uint32_t phaseBits;
        std::memcpy(&expectedBits, &expected, sizeof expectedBits);
        std::memcpy(&phaseBits, &phases[k], sizeof phaseBits);
        if (expectedBits != phaseBits)
            return false;
    }
    return true;
}

} // namespace

void polarOfBinsExact(const float* a, const float* b, float* magnitudes, float* phases, int n)
{
    static const bool lanes = lanesMatchTheLibrary();
    if (lanes) {
        polarOfBinsLibraryLanes(a, b, magnitudes, phases, n);
        return;
    }
    for (int k = 0; k < n; ++k) {
        magnitudes[k] = std::sqrt(a[k] * a[k] + b[k] * b[k]);
        phases[k] = std::atan2(-b[k], a[k]);
    }
}

TB_AVX2_CLONES void binsOfPolar(const float* magnitudes, const float* phases, float* a, float* b, int n)
{
    overArrays<2, 2>(
        {magnitudes, phases}, {a, b}, n, [](const Vec8* v, Vec8* r) __attribute__((always_inline)) {
            Vec8 s, c;
            sinCosLanes(v[1], s, c);
            r[0] = c * v[0];
            r[1] = -(s * v[0]);
        });
}

} // namespace base
